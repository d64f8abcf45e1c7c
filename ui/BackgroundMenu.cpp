#include "ui/BackgroundMenu.h"

#include "ui/GbkText.h"

#include <QMenu>

namespace joseki {

QMenu* BackgroundMenu::create(const std::vector<Entry>& entries, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    for (const Entry& entry : entries) {
        if (entry.separatorBefore)
            menu->addSeparator();
        // A tab sets the key apart in the menu's key column; the key itself
        // reaches the dialog as any key does.
        QString text = gbkToQString(entry.text);
        if (entry.keyHint != nullptr)
            text += QLatin1Char('\t') + gbkToQString(entry.keyHint);
        menu->addAction(text, menu, entry.run);
    }
    return menu;
}

} // namespace joseki

#include "ui/BackgroundMenu.h"

#include "ui/GbkText.h"

#include <QMenu>

namespace joseki {

namespace {

// Adds the entries to the menu; a submenu's entries go into a menu of their own.
void addEntries(QMenu& menu, const std::vector<BackgroundMenu::Entry>& entries)
{
    for (const BackgroundMenu::Entry& entry : entries) {
        if (entry.separatorBefore)
            menu.addSeparator();
        // A tab sets the key apart in the menu's key column; the key itself
        // reaches the dialog as any key does.
        QString text = gbkToQString(entry.text);
        if (entry.keyHint != nullptr)
            text += QLatin1Char('\t') + gbkToQString(entry.keyHint);
        QAction* action = nullptr;
        if (entry.submenu.empty()) {
            action = menu.addAction(text, &menu, entry.run);
        } else {
            QMenu* sub = menu.addMenu(text);
            addEntries(*sub, entry.submenu);
            action = sub->menuAction();
        }
        if (entry.checked.has_value()) {
            action->setCheckable(true);
            action->setChecked(*entry.checked);
        }
        action->setEnabled(entry.enabled);
        if (entry.isDefault)
            menu.setDefaultAction(action);
    }
}

} // namespace

QMenu* BackgroundMenu::create(const std::vector<Entry>& entries, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    addEntries(*menu, entries);
    return menu;
}

} // namespace joseki

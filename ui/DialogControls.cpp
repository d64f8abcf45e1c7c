#include "ui/DialogControls.h"

#include "ui/BoardKeys.h"
#include "ui/DialogTemplate.h"
#include "ui/GbkText.h"
#include "ui/TriStateButton.h"
#include "ui/UpDownControl.h"
#include "ui/controller/ControlIds.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace joseki {

namespace {

const QColor kTextPanelBackground(220, 220, 230);

// Edit controls break lines at CR LF; lone CR or LF are taken as breaks too.
QString commentForDisplay(const std::string& gbkText)
{
    QString text = gbkToQString(gbkText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void colourPanel(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kTextPanelBackground);
    palette.setColor(QPalette::Window, kTextPanelBackground);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

void DialogControls::create(QWidget& dialog)
{
    for (const ControlTemplate& control : DialogTemplate::controls()) {
        QWidget* made = DialogTemplate::createControl(control, &dialog);
        widgets_[control.id] = made;
        made->installEventFilter(&dialog);
    }
    auto* spin = static_cast<UpDownControl*>(widget(kSpeedSpin));
    spin->setBuddy(static_cast<QLineEdit*>(widget(kSpeedEdit)));
    colourPanel(widget(kCommentBox));
    colourPanel(widget(kHintLine));
    // The comment box shows the arrow like the rest of the window.
    static_cast<QPlainTextEdit*>(widget(kCommentBox))->viewport()->setCursor(Qt::ArrowCursor);
    setKeyToolTips();
}

void DialogControls::setKeyToolTips()
{
    for (const auto& [id, control] : widgets_) {
        const QString tip = BoardKeys::controlToolTip(id);
        if (!tip.isEmpty())
            control->setToolTip(tip);
    }
    widget(kHintLine)->setToolTip(BoardKeys::boardToolTip());
}

QWidget* DialogControls::widget(int controlId) const
{
    const auto found = widgets_.find(controlId);
    return found == widgets_.end() ? nullptr : found->second;
}

void DialogControls::setCommentText(const std::string& gbkText)
{
    static_cast<QPlainTextEdit*>(widget(kCommentBox))->setPlainText(commentForDisplay(gbkText));
}

void DialogControls::setCaption(int controlId, const std::string& gbkText)
{
    QWidget* control = widget(controlId);
    const QString text = gbkToQString(gbkText);
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
}

int DialogControls::selectEntry(const std::string& gbkPrefix)
{
    auto* combo = static_cast<QComboBox*>(widget(kMoveNumberCombo));
    const int count = combo->count();
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (qStringToGbk(combo->itemText(index)).starts_with(gbkPrefix)) {
            combo->setCurrentIndex(index);
            return index;
        }
    }
    return -1;
}

void DialogControls::selectEntry(int index)
{
    static_cast<QComboBox*>(widget(kMoveNumberCombo))->setCurrentIndex(index);
}

void DialogControls::writeValues(const ControlValues& values)
{
    lastWritten_ = values;
    static_cast<QLineEdit*>(widget(kSpeedEdit))->setText(QString::number(values.autoPlaySpeed));
    auto* check = static_cast<QCheckBox*>(widget(kCoordinatesCheck));
    check->setCheckState(values.showCoordinates == 0 ? Qt::Unchecked : Qt::Checked);
    static_cast<TriStateButton*>(widget(kTextureButton))->setState(values.boardTexture);
}

ControlValues DialogControls::readValues()
{
    ControlValues values = lastWritten_;
    bool ok = false;
    const int speed = static_cast<QLineEdit*>(widget(kSpeedEdit))->text().trimmed().toInt(&ok);
    if (ok)
        values.autoPlaySpeed = speed;
    values.showCoordinates = static_cast<QCheckBox*>(widget(kCoordinatesCheck))->isChecked() ? 1 : 0;
    values.boardTexture = static_cast<TriStateButton*>(widget(kTextureButton))->state();
    lastWritten_ = values;
    return values;
}

bool DialogControls::keepsKey(const QWidget* focus, const QKeyEvent& event, const KeyStroke& stroke) const
{
    if (focus == nullptr)
        return false;
    // A focused list or speed box moves with its own keys, as in every dialog.
    const bool list = focus == widget(kMoveNumberCombo) || focus == widget(kSpeedEdit) || focus == widget(kSpeedSpin);
    if (list && BoardKeys::isNavigationKey(event))
        return true;
    // Ctrl+C copies a selection of the comment box, as everywhere.
    const auto* comment = static_cast<const QPlainTextEdit*>(widget(kCommentBox));
    return stroke.key == BoardKey::Copy && focus == comment && comment->textCursor().hasSelection();
}

} // namespace joseki

#pragma once

#include "ui/controller/DisplayState.h"
#include "ui/controller/KeyBindings.h"

#include <map>
#include <string>

class QKeyEvent;
class QObject;
class QWidget;

namespace joseki {

// The controls of the main dialog's template on their dialog: made from the
// template, found by number, and what the controller writes into them and
// reads back (comment, captions, the 手数 choice, the three option values).
class DialogControls {
public:
    // Creates every control of the template on `dialog`, each watched by the
    // dialog's event filter, with its colours and the tooltips of its keys.
    void create(QWidget& dialog);

    // The widget of a control, or null for an id the template does not have.
    QWidget* widget(int controlId) const;
    // Every control by its number.
    const std::map<int, QWidget*>& all() const { return widgets_; }

    // Replaces the comment box's text; CR LF, CR and LF are line breaks.
    void setCommentText(const std::string& gbkText);
    // Sets the caption of a button, a static text or an edit.
    void setCaption(int controlId, const std::string& gbkText);
    // Selects the first 手数 entry that begins with the text, from the entry
    // after index 0 and wrapping; its index, or -1.
    int selectEntry(const std::string& gbkPrefix);
    // Selects the 手数 entry at an index.
    void selectEntry(int index);
    // Data exchange of the speed, the coordinates and the texture.
    void writeValues(const ControlValues& values);
    ControlValues readValues();

    // True when the focused widget is a control that keeps the key for
    // itself: a focused 手数 list or speed box its arrows, PageUp, PageDown,
    // Home and End, the comment box Ctrl+C while it has a selection.
    bool keepsKey(const QWidget* focus, const QKeyEvent& event, const KeyStroke& stroke) const;

private:
    void setKeyToolTips();

    std::map<int, QWidget*> widgets_;
    ControlValues lastWritten_{};
};

} // namespace joseki

#pragma once

#include "core/BrowsedLine.h"
#include "ui/controller/DisplayState.h"

#include <string>

namespace joseki {

// What the browsing controller needs of its window. The dialog implements it
// with Qt; tests implement it with a fake that records every call, so every
// command runs without a window. Texts are GBK.
class BrowserView {
public:
    virtual ~BrowserView() = default;

    // Replaces the text of the comment box (1011).
    virtual void setCommentText(const std::string& gbkText) = 0;
    // Sets the caption of a control.
    virtual void setControlCaption(int controlId, const std::string& gbkText) = 0;
    // Enables or disables a control.
    virtual void enableControl(int controlId, bool enabled) = 0;
    // Selects the first move-number entry that begins with the text, searching
    // from the entry after index 0 and wrapping; returns its index, or -1.
    virtual int selectComboEntry(const std::string& gbkPrefix) = 0;
    // Selects the move-number entry at an index 0..5.
    virtual void selectMoveNumberEntry(int index) = 0;
    // Asks for a repaint of the board with its trial band (with background erase).
    virtual void invalidateBoard() = 0;
    // Asks for a repaint of the whole client area.
    virtual void invalidateAll() = 0;
    // Shows the window.
    virtual void showWindow() = 0;

    // Data exchange: members to controls, and controls back to members.
    virtual void writeControlValues(const ControlValues& values) = 0;
    virtual ControlValues readControlValues() = 0;

    // Busy cursor for the length of auto-play.
    virtual void beginBusyCursor() = 0;
    virtual void endBusyCursor() = 0;

    // Puts the line on the clipboard as standard SGF.
    virtual void copyLine(const BrowsedLine& line) = 0;
};

} // namespace joseki

#pragma once

#include <cstdint>
#include <string>

namespace joseki {

// A rectangle in client pixels: left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The three values exchanged between the controller and their controls.
struct ExchangedValues {
    int autoPlaySpeed = 0;   // edit 1021
    int showCoordinates = 1; // check box 1035
    int boardTexture = 0;    // three-state button 1036
};

// What the browsing controller needs of its window. The dialog implements it
// with Qt; tests implement it with a fake that records every call and a fake
// clock, so every command runs without a window. Texts are GBK.
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
    // Asks for a repaint of the rectangle (with background erase).
    virtual void invalidateRect(const Rect& rect) = 0;
    // Asks for a repaint of the whole client area.
    virtual void invalidateAll() = 0;
    // Shows the window.
    virtual void showWindow() = 0;

    // Data exchange: members to controls, and controls back to members.
    virtual void writeExchangedValues(const ExchangedValues& values) = 0;
    virtual ExchangedValues readExchangedValues() = 0;

    // Busy cursor for the length of auto-play.
    virtual void beginBusyCursor() = 0;
    virtual void endBusyCursor() = 0;

    // Dispatches the window messages pending now (a handful at most). Returns
    // false when the session is ending and the process must stop.
    virtual bool dispatchPendingMessages() = 0;
    // Sleeps the thread; milliseconds.
    virtual void sleepMs(int ms) = 0;
    // A millisecond tick count that wraps like a 32-bit counter.
    virtual std::uint32_t tickCount() = 0;
};

} // namespace joseki

#pragma once

#include "ui/controls/HyperlinkSettings.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QPainter;
class QWidget;

namespace joseki {

// A clickable text in a child window of its own: drawn in its own font,
// changing colour while the pointer is over it, with its own cursor; a left
// press runs the given action or opens the web address. The object outlives
// its window: the program keeps every label until the process ends, and the
// window goes with its parent.
class HyperlinkLabel {
public:
    // Shortest address that is opened: shorter ones are ignored.
    static constexpr std::size_t kMinimumUrlLength = 6;
    // Pointer states: before the first pointer event, inside, outside.
    static constexpr int kPointerUnknown = -1;
    static constexpr int kPointerInside = 0;
    static constexpr int kPointerOutside = 1;

    HyperlinkLabel() = default;
    // Detaches a window that is still alive; it then ignores the pointer and draws nothing.
    ~HyperlinkLabel();
    HyperlinkLabel(const HyperlinkLabel&) = delete;
    HyperlinkLabel& operator=(const HyperlinkLabel&) = delete;

    // Makes the child window and takes over the settings; false, with no window
    // made, for a missing parent, a width or height not above 0 or no font face.
    bool create(const HyperlinkSettings& settings);

    // The child window, or null before a successful create (or once its parent is gone).
    QWidget* window() const { return window_.data(); }
    const QFont& font() const { return font_; }
    bool hovering() const { return hovering_; }
    int pointerState() const { return pointerState_; }
    const std::string& text() const { return text_; }
    const std::string& url() const { return url_; }
    // The colour the text is drawn in now.
    QColor textColour() const { return hovering_ ? hoverColour_ : normalColour_; }

    // The pointer is inside or outside the window: records it and repaints at
    // once only when that differs from the last pointer event.
    void trackPointer(bool inside);
    // A left press: the action if set, otherwise the address if long enough.
    void click() const;
    // Draws the label into its window's client rectangle.
    void paint(QPainter& painter, const QRect& clientRect) const;

private:
    class Window;

    QPointer<QWidget> window_; // always a Window
    QFont font_;
    QCursor cursor_;
    QColor normalColour_;
    QColor hoverColour_;
    QColor backgroundColour_;
    std::function<void(int)> onClick_;
    bool hasBackground_ = false;
    bool useOwnCursor_ = false;
    bool hovering_ = false;
    std::string text_;
    QString displayText_;
    int pointerState_ = kPointerUnknown;
    std::string url_;
};

} // namespace joseki

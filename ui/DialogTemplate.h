#pragma once

#include <QFont>
#include <QString>

#include <span>
#include <string>

class QWidget;

namespace joseki {

// What sort of widget stands for a control of the main dialog.
enum class ControlKind {
    CommentEdit, // multi-line read-only edit with a vertical scroll bar
    SunkenText,  // static text with a sunken edge
    PlainText,   // static text, left-aligned, no wrapping
    SunkenPanel, // empty sunken static that holds other controls
    Picture,     // static picture of a bitmap resource
    PushButton,
    FlatButton,
    SpeedEdit, // centred read-only single-line edit
    UpDown,    // arrows stepping the control before it
    DropDownList,
    CheckBox,
    TriStateButton, // push-like, three states
};

// One control of the main dialog's template: position and size in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* caption; // GBK
    int x;
    int y;
    int width;
    int height;
    bool visible;
    bool enabled;
};

// Template 102, the main dialog: its size, caption, controls in tab order and
// the initial entries of the move-number list.
class DialogTemplate {
public:
    static constexpr int kWidthUnits = 517;
    static constexpr int kHeightUnits = 364;
    // Bitmap resource shown by the picture control.
    static constexpr int kPictureBitmap = 143;

    // The controls in template order, which is also the tab order.
    static std::span<const ControlTemplate> controls();
    // The window caption (GBK).
    static std::string caption();
    // The font of the templates, 9-point "宋体" at 96 dpi: a Song-style CJK face
    // that the install step provides, at the 12-pixel em whose advances match it.
    static QFont font();

    // Creates the widget for a control at its template place, with its caption,
    // visibility, enabled state and the property "controlId".
    static QWidget* createControl(const ControlTemplate& control, QWidget* parent);
};

} // namespace joseki

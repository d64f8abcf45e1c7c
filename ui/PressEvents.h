#pragma once

#include <QEvent>

namespace joseki {

// A key press or a mouse-button press anywhere, client area or frame: the
// events that close the title picture while it is shown.
inline bool isKeyOrButtonPress(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace joseki

#pragma once

// The application icon: a black and a white stone overlapping on a square of
// board, on transparency. Each size is drawn separately so small sizes stay
// crisp instead of being scaled down from a large one.

#include <QImage>

namespace resgen {

class AppIcon {
public:
    static QImage render(int side);
};

} // namespace resgen

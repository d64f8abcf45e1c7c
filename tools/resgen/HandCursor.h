#pragma once

// The pointing-hand cursor shown over clickable links and board points:
// a black-outlined white hand on transparency, drawn as pixel art so that it
// stays crisp at its native 32 x 32.

#include <QImage>
#include <QPoint>

namespace resgen {

class HandCursor {
public:
    static constexpr int kSize = 32;

    static QImage render();

    // The pixel at the tip of the index finger, where the click lands.
    static QPoint hotspot();
};

} // namespace resgen

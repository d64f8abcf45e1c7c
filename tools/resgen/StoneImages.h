#pragma once

// Stone bitmaps. The board bitmaps sit on the key colour, which the board
// drops pixel-exactly after scaling; edge pixels are therefore blended with a
// board-like tan, never with the key colour, or a brown fringe would show.
// The sprite variant has real transparency and is used inside pictures.

#include "StoneShader.h"

#include <QImage>
#include <QString>

namespace resgen {

class StoneImages {
public:
    enum class Mark { None, Triangle };

    // A stone whose disc fills a side x side square, on the key colour.
    static QImage keyed(StoneColour colour, int side, Mark mark);

    // The same stone with antialiased alpha instead of the key colour.
    static QImage sprite(StoneColour colour, int side);

    // Empty if the key colour appears exactly on the outside of the disc of a
    // keyed image: never inside it, always on pixels the disc misses, and
    // only in areas connected to the border. Otherwise, what is wrong.
    static QString checkKeyed(const QImage& image);
};

} // namespace resgen

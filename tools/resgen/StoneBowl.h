#pragma once

// A round wooden stone bowl seen from slightly above, its opening heaped with
// stones. Used by the title picture and the side-panel picture.

#include "StoneShader.h"

#include <QPointF>

#include <cstdint>

class QPainter;

namespace resgen {

class StoneBowl {
public:
    // rimCentre: centre of the rim's ellipse; width: the rim's width in
    // pixels; seed: varies the heap of stones between bowls.
    StoneBowl(QPointF rimCentre, double width, StoneColour stones, std::uint32_t seed);

    void paint(QPainter& painter) const;

private:
    void paintShadow(QPainter& painter) const;
    void paintBody(QPainter& painter) const;
    void paintRim(QPainter& painter) const;
    void paintStones(QPainter& painter) const;

    QPointF m_rim;
    double m_width;
    StoneColour m_stones;
    std::uint32_t m_seed;
};

} // namespace resgen

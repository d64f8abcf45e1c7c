#pragma once

// Surface colour of a Go stone seen from above. The stone is modelled as a
// lens lit from the upper left: diffuse shading, a soft specular glint and a
// slightly darker rim so that it stands out on a light board.

#include "ColourMath.h"

namespace resgen {

enum class StoneColour { Black, White };

class StoneShader {
public:
    explicit StoneShader(StoneColour colour);

    // (u, v): position relative to the centre, in radii; u grows to the right,
    // v downwards. Only meaningful inside the unit disc.
    RgbF shade(double u, double v) const;

    // Colour that contrasts with this stone, for marks drawn on it.
    RgbF markColour() const;

private:
    StoneColour m_colour;
};

} // namespace resgen

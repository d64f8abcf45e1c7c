#pragma once

// Board woods: 50 x 200 tiles that the board repeats from the window origin,
// so every term of the grain is periodic in the tile size and the tile joins
// itself without a seam in both directions. The grain runs horizontally.
// Each tile is built directly as an indexed image over a 256-step ramp from
// the wood's light to its dark tone: no dithering, so the edges stay exact.

#include "ColourMath.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace resgen {

struct WoodStyle {
    struct Stop {
        double at; // 0 = lightest wood, 1 = darkest
        RgbF colour;
    };
    std::uint32_t seed = 0;
    std::vector<Stop> ramp;
    double baseTone = 0.0; // average position on the ramp
    int stripeCount = 0;   // regular stripes per tile height, 0 for none
    double stripeStrength = 0.0;
    double stripeSharpness = 1.0; // higher: thinner dark lines
    double ringDensity = 0.0;     // irregular growth rings, 0 for none
    double ringStrength = 0.0;
    double bandStrength = 0.0;  // broad light and dark bands
    double warpPixels = 0.0;    // how far the grain wanders up and down
    double fibreStrength = 0.0; // fine streaks along the grain
};

class WoodTexture {
public:
    static constexpr int kWidth = 50;
    static constexpr int kHeight = 200;

    static WoodStyle lightStriped();
    static WoodStyle paleStriped();
    static WoodStyle warmGrained();

    static QImage render(const WoodStyle& style);
};

} // namespace resgen

#pragma once

#include <QImage>

#include <cstdint>

namespace joseki {

// Stone pictures ready to draw: the key colour around each disc made
// transparent and, on large grids, scaled to the grid spacing. Each image is
// prepared at its first use and kept until the process ends.
namespace StoneImageCache {

// Grids up to this spacing use the small stones unscaled.
inline constexpr int kSmallStoneMaxSpacing = 30;
// Side of the small stone pictures.
inline constexpr int kSmallStoneSize = 23;
// The colour around every stone disc that is never drawn.
inline constexpr QRgb kKeyColour = 0xE9C05F; // RGB(233,192,95)

// Picture of a stone of `colour` (1 black, 2 white) for a grid of
// `gridSpacing`: 23 x 23 up to spacing 30, else gridSpacing x gridSpacing.
// A null image for other colours or when the bitmap could not be loaded.
const QImage& stone(std::int8_t colour, int gridSpacing);

// `source` scaled nearest-neighbour to size x size (unscaled when size is
// 0), then every pixel of exactly the key colour made transparent.
QImage prepare(const QImage& source, int size);

} // namespace StoneImageCache

} // namespace joseki

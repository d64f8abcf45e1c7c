#pragma once

#include "core/Point.h"
#include "core/Stone.h"

#include <array>
#include <cstdint>

// The eight symmetries of the square board, and the colour swap, for keys of
// a position that do not depend on the corner or the colours it is seen in.
//
// Symmetry s (0..7) is a set of flags: it first swaps col and row when it
// holds kTranspose, then mirrors col (col -> 18 - col) when it holds
// kMirrorCol and row when it holds kMirrorRow; 0 is the identity. The no-move marker stays itself under every symmetry.
// For keys over a whole board, `indexMap(s)` gives the image of every point index at once.
namespace joseki::symmetry {

inline constexpr int kCount = 8;
inline constexpr int kIdentity = 0;
inline constexpr int kMirrorCol = 1;
inline constexpr int kMirrorRow = 2;
inline constexpr int kTranspose = 4;

// Image of a point under symmetry s; the no-move marker and off-board points unchanged.
Point transform(Point p, int s);
// The symmetry that undoes s.
int inverse(int s);
// The symmetry that applies `first`, then `second`.
int compose(int first, int second);

// Image of every point index under s: map[i] is the index of transform(pointAtIndex(i), s).
using IndexMap = std::array<std::int16_t, kPointCount>;
const IndexMap& indexMap(int s);

// The stones moved by s: what stood at p stands at transform(p, s).
Stones transformStones(const Stones& stones, int s);
// Black and white exchanged; empty points stay.
Stones swapColours(const Stones& stones);

} // namespace joseki::symmetry

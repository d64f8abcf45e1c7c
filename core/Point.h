#pragma once

#include <array>
#include <cstdint>

namespace joseki {

// Board geometry shared by every layer.
//
// A point is (col, row), each 0..18: col runs left to right on screen and
// comes from the first coordinate letter of the library ('a' = 0), row runs
// top to bottom and comes from the second. (19,19) is the no-move marker: a
// node without a move, or a tenuki. Per-point arrays have 361 entries in
// column-major order, and neighbours are always visited left, right, up, down.

inline constexpr int kBoardSize = 19;
inline constexpr int kPointCount = kBoardSize * kBoardSize;
// Coordinate of the no-move marker (19,19): a node without a move, or a tenuki.
inline constexpr int kNoMove = 19;

struct Point {
    std::int32_t col = kNoMove;
    std::int32_t row = kNoMove;
    friend bool operator==(const Point&, const Point&) = default;
};

// The no-move marker as a point.
inline constexpr Point kNoMovePoint{kNoMove, kNoMove};

// True for a point of the 19x19 board (the no-move marker is not one).
inline constexpr bool onBoard(int col, int row) { return col >= 0 && col < kBoardSize && row >= 0 && row < kBoardSize; }
inline constexpr bool onBoard(Point p) { return onBoard(p.col, p.row); }

// Index of a point in every per-point array: column-major.
inline constexpr int pointIndex(int col, int row) { return col * kBoardSize + row; }
inline constexpr int pointIndex(Point p) { return pointIndex(p.col, p.row); }

// The point of an index 0..360.
inline constexpr Point pointAtIndex(int index) { return Point{index / kBoardSize, index % kBoardSize}; }

// Neighbour offsets, always visited in this order: left, right, up, down.
inline constexpr std::array<std::array<int, 2>, 4> kNeighbourOffsets{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

} // namespace joseki

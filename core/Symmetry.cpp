#include "core/Symmetry.h"

#include <utility>

namespace joseki::symmetry {

namespace {

constexpr int kLastLine = kBoardSize - 1;
constexpr int kMirrorBits = kMirrorCol | kMirrorRow;

std::array<IndexMap, kCount> buildIndexMaps()
{
    std::array<IndexMap, kCount> maps{};
    for (int s = 0; s < kCount; ++s)
        for (int i = 0; i < kPointCount; ++i)
            maps[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)] =
                static_cast<std::int16_t>(pointIndex(transform(pointAtIndex(i), s)));
    return maps;
}

} // namespace

Point transform(Point p, int s)
{
    if (!onBoard(p))
        return p;
    if ((s & kTranspose) != 0)
        std::swap(p.col, p.row);
    if ((s & kMirrorCol) != 0)
        p.col = kLastLine - p.col;
    if ((s & kMirrorRow) != 0)
        p.row = kLastLine - p.row;
    return p;
}

int inverse(int s)
{
    // Mirrors applied after the swap act on the other axis before it.
    if ((s & kTranspose) == 0)
        return s;
    const int mirrors = s & kMirrorBits;
    const int swapped = ((mirrors & kMirrorCol) != 0 ? kMirrorRow : 0) | ((mirrors & kMirrorRow) != 0 ? kMirrorCol : 0);
    return kTranspose | swapped;
}

int compose(int first, int second)
{
    // The eight images of this point differ, so where it goes names the symmetry.
    const Point probe{1, 0};
    const Point image = transform(transform(probe, first), second);
    for (int s = 0; s < kCount; ++s)
        if (transform(probe, s) == image)
            return s;
    return kIdentity;
}

const IndexMap& indexMap(int s)
{
    static const std::array<IndexMap, kCount> maps = buildIndexMaps();
    return maps[static_cast<std::size_t>(s & (kCount - 1))];
}

Stones transformStones(const Stones& stones, int s)
{
    const IndexMap& map = indexMap(s);
    Stones moved{};
    for (std::size_t i = 0; i < stones.size(); ++i)
        moved[static_cast<std::size_t>(map[i])] = stones[i];
    return moved;
}

Stones swapColours(const Stones& stones)
{
    Stones swapped{};
    for (std::size_t i = 0; i < stones.size(); ++i)
        swapped[i] = opponentOf(stones[i]);
    return swapped;
}

} // namespace joseki::symmetry

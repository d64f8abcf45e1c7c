#include "core/Symmetry.h"
#include "core/BoardDiagram.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace joseki {
namespace {

TEST(SymmetryTest, ImagesOfOnePointUnderAllEight)
{
    // (3,2): a point whose eight images all differ.
    const Point expected[symmetry::kCount] = {
        {3, 2},   // identity
        {15, 2},  // mirror col
        {3, 16},  // mirror row
        {15, 16}, // both mirrors: half a turn
        {2, 3},   // transpose
        {16, 3},  // transpose, mirror col: a quarter turn
        {2, 15},  // transpose, mirror row: the other quarter turn
        {16, 15}, // transpose, both mirrors: the other diagonal
    };
    for (int s = 0; s < symmetry::kCount; ++s)
        EXPECT_EQ(symmetry::transform(Point{3, 2}, s), expected[s]) << s;
    EXPECT_EQ(symmetry::transform(kNoMovePoint, 5), kNoMovePoint);
    EXPECT_EQ(symmetry::transform(Point{9, 9}, 6), (Point{9, 9}));
}

TEST(SymmetryTest, InverseAndCompositionAgreeWithTransform)
{
    for (int a = 0; a < symmetry::kCount; ++a) {
        EXPECT_EQ(symmetry::compose(a, symmetry::inverse(a)), symmetry::kIdentity) << a;
        for (int b = 0; b < symmetry::kCount; ++b) {
            const int ab = symmetry::compose(a, b);
            for (const Point p : {Point{0, 0}, Point{3, 2}, Point{18, 7}})
                EXPECT_EQ(symmetry::transform(p, ab), symmetry::transform(symmetry::transform(p, a), b)) << a << b;
        }
    }
}

TEST(SymmetryTest, IndexMapsArePermutationsMatchingTransform)
{
    std::set<std::pair<int, int>> imagesOfCorner;
    for (int s = 0; s < symmetry::kCount; ++s) {
        const symmetry::IndexMap& map = symmetry::indexMap(s);
        std::set<int> seen(map.begin(), map.end());
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(kPointCount)) << s;
        EXPECT_EQ(map[static_cast<std::size_t>(pointIndex(3, 2))], pointIndex(symmetry::transform(Point{3, 2}, s)));
        const Point corner = pointAtIndex(map[static_cast<std::size_t>(pointIndex(2, 0))]);
        imagesOfCorner.insert({corner.col, corner.row});
    }
    EXPECT_EQ(imagesOfCorner.size(), 8u);
}

TEST(SymmetryTest, StonesMoveAndSwapColours)
{
    const Stones corner = diagram::parse("X O .\n"
                                         ". X .\n");
    const Stones turned = symmetry::transformStones(corner, symmetry::kTranspose);
    EXPECT_EQ(diagram::print(turned, 3, 3), "X..\n"
                                            "OX.\n"
                                            "...\n");
    const Stones mirrored = symmetry::transformStones(corner, symmetry::kMirrorCol);
    EXPECT_EQ(mirrored[static_cast<std::size_t>(pointIndex(18, 0))], kBlack);
    EXPECT_EQ(mirrored[static_cast<std::size_t>(pointIndex(17, 0))], kWhite);
    EXPECT_EQ(symmetry::transformStones(mirrored, symmetry::inverse(symmetry::kMirrorCol)), corner);
    EXPECT_EQ(diagram::print(symmetry::swapColours(corner), 3, 2), "OX.\n"
                                                                   ".O.\n");
}

} // namespace
} // namespace joseki

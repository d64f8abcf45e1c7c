#include "core/PositionKey.h"
#include "core/BoardDiagram.h"
#include "core/Symmetry.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace joseki {
namespace {

// A corner fight with no symmetry of its own: its 16 orientations all differ.
const char* const kFight = ". . . . . .\n"
                           ". . O X . .\n"
                           ". O X . X .\n"
                           ". . O X . .\n"
                           ". . . . . .\n";

Stones stonesOf(const char* diagram) { return diagram::parse(diagram); }

std::vector<Orientation> allOrientations()
{
    std::vector<Orientation> all;
    for (int s = 0; s < symmetry::kCount; ++s)
        for (const bool swapped : {false, true})
            all.push_back({s, swapped});
    return all;
}

TEST(PositionKeyTest, MoveOrderDoesNotMatter)
{
    // The same three stones placed in two orders, and by one update from the empty board.
    const int a = pointIndex(15, 3);
    const int b = pointIndex(16, 5);
    const int c = pointIndex(13, 2);
    PositionKey first;
    first.toggleStone(a, kBlack);
    first.toggleStone(b, kWhite);
    first.toggleStone(c, kBlack);
    PositionKey second;
    second.toggleStone(c, kBlack);
    second.toggleStone(a, kBlack);
    second.toggleStone(b, kWhite);
    EXPECT_EQ(first, second);

    Stones stones{};
    stones[static_cast<std::size_t>(a)] = kBlack;
    stones[static_cast<std::size_t>(b)] = kWhite;
    stones[static_cast<std::size_t>(c)] = kBlack;
    PositionKey updated;
    updated.update(Stones{}, stones);
    EXPECT_EQ(updated, PositionKey::of(stones, kBlack));
    EXPECT_EQ(updated, first);
}

TEST(PositionKeyTest, UpdateFollowsCapturesAndRemovals)
{
    const Stones before = stonesOf(". X O .\n"
                                   "X O . O\n"
                                   ". X O .\n");
    const Stones after = stonesOf(". X O .\n"
                                  "X . X O\n"
                                  ". X O .\n");
    PositionKey key = PositionKey::of(before, kBlack);
    key.update(before, after);
    EXPECT_EQ(key, PositionKey::of(after, kBlack));
    // Toggling a stone twice leaves nothing behind.
    key.toggleStone(pointIndex(9, 9), kWhite);
    key.toggleStone(pointIndex(9, 9), kWhite);
    EXPECT_EQ(key, PositionKey::of(after, kBlack));
}

TEST(PositionKeyTest, EveryOrientationHasTheSameCanonicalKey)
{
    const Stones fight = stonesOf(kFight);
    const PositionKey original = PositionKey::of(fight, kWhite);
    std::set<std::uint64_t> hashes;
    for (const Orientation orientation : allOrientations()) {
        const PositionKey copy = PositionKey::of(turnStones(fight, orientation), turnColour(kWhite, orientation));
        EXPECT_EQ(copy.canonical(), original.canonical()) << orientation.symmetry << orientation.coloursSwapped;
        // hashIn is the hash of the turned copy as it stands.
        EXPECT_EQ(original.hashIn(orientation), copy.hash()) << orientation.symmetry << orientation.coloursSwapped;
        hashes.insert(copy.hash());
    }
    EXPECT_EQ(hashes.size(), allOrientations().size());
}

TEST(PositionKeyTest, CanonicalOrientationTurnsThePositionOntoItsCanonicalForm)
{
    const Stones fight = stonesOf(kFight);
    const PositionKey key = PositionKey::of(fight, kBlack);
    const Orientation orientation = key.canonicalOrientation();
    const Stones canonicalForm = turnStones(fight, orientation);
    EXPECT_EQ(PositionKey::of(canonicalForm, turnColour(kBlack, orientation)).hash(), key.canonical());

    // A move maps with the same symmetry: the position after it, seen from
    // the canonical form, is the position after the mapped move.
    const Point move{4, 2};
    Stones after = fight;
    after[static_cast<std::size_t>(pointIndex(move))] = kBlack;
    Stones canonicalAfter = canonicalForm;
    canonicalAfter[static_cast<std::size_t>(pointIndex(symmetry::transform(move, orientation.symmetry)))] =
        orientation.coloursSwapped ? kWhite : kBlack;
    EXPECT_EQ(PositionKey::of(after, kWhite).canonical(),
              PositionKey::of(canonicalAfter, turnColour(kWhite, orientation)).canonical());
}

TEST(PositionKeyTest, ColourSwapIncludesTheSideToMove)
{
    const Stones fight = stonesOf(kFight);
    const PositionKey blackToMove = PositionKey::of(fight, kBlack);
    const PositionKey whiteToMove = PositionKey::of(fight, kWhite);
    EXPECT_NE(blackToMove.canonical(), whiteToMove.canonical());
    EXPECT_EQ(PositionKey::of(symmetry::swapColours(fight), kWhite).canonical(), blackToMove.canonical());
    EXPECT_EQ(PositionKey::of(symmetry::swapColours(fight), kBlack).canonical(), whiteToMove.canonical());

    // setToMove changes only the side.
    PositionKey key = blackToMove;
    key.setToMove(kWhite);
    EXPECT_EQ(key, whiteToMove);
    EXPECT_EQ(key.toMove(), kWhite);

    // With no stones the two sides are one position seen with colours exchanged.
    EXPECT_EQ(PositionKey::of(Stones{}, kBlack).canonical(), PositionKey::of(Stones{}, kWhite).canonical());
}

TEST(PositionKeyTest, DifferentPositionsHaveDifferentKeys)
{
    struct Case {
        const char* a;
        const char* b;
    };
    const Case cases[] = {
        {"X\n", ".X\n"},              // corner point against the point beside it
        {"..X\n", "...\n..X\n"},      // a first-line point against a second-line one
        {"X O\n", "X X\n"},           // one colour changed
        {"X . O\n", "X O .\n"},       // one stone moved
        {". X\nX .\n", ". X\nO .\n"}, // one colour changed, elsewhere
    };
    for (const Case& c : cases)
        EXPECT_NE(PositionKey::of(stonesOf(c.a), kBlack).canonical(),
                  PositionKey::of(stonesOf(c.b), kBlack).canonical())
            << c.a << "|" << c.b;
}

TEST(PositionKeyTest, ApproachesFromEitherSideOfAStarPointAreOnePosition)
{
    // Upper-right star point with a knight's approach below it or to its left.
    Stones below{};
    below[static_cast<std::size_t>(pointIndex(15, 3))] = kBlack;
    Stones left = below;
    below[static_cast<std::size_t>(pointIndex(16, 5))] = kWhite;
    left[static_cast<std::size_t>(pointIndex(13, 2))] = kWhite;
    EXPECT_EQ(PositionKey::of(below, kBlack).canonical(), PositionKey::of(left, kBlack).canonical());
    EXPECT_NE(PositionKey::of(below, kBlack).hash(), PositionKey::of(left, kBlack).hash());
}

} // namespace
} // namespace joseki

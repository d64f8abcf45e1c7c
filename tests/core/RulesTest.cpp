#include "core/Rules.h"
#include "core/BoardDiagram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki {
namespace {

using rules::Verdict;

struct MoveCase {
    const char* name;
    const char* before;
    Point move;
    std::int8_t colour;
    Point koBan;
    Verdict verdict;
    int captured;
    Point koPoint;
    const char* after; // the same as before for a refused move
};

// The normal rule: occupied points, ko retakes and suicide are refused and
// change nothing; opponent groups are taken before the own group is judged.
const MoveCase kMoveCases[] = {
    {"the last liberty of a white stone",
     ". X O .\n"
     "X O . O\n"
     ". X O .\n",
     {2, 1},
     kBlack,
     kNoMovePoint,
     Verdict::Played,
     1,
     Point{1, 1},
     ". X O .\n"
     "X . X O\n"
     ". X O .\n"},
    {"the retake of that ko",
     ". X O .\n"
     "X . X O\n"
     ". X O .\n",
     {1, 1},
     kWhite,
     Point{1, 1},
     Verdict::KoRetake,
     0,
     kNoMovePoint,
     ". X O .\n"
     "X . X O\n"
     ". X O .\n"},
    {"a capture by a stone with a friend leaves no ko",
     ". X O .\n"
     "X O . O\n"
     ". X X .\n",
     {2, 1},
     kBlack,
     kNoMovePoint,
     Verdict::Played,
     1,
     kNoMovePoint,
     ". X O .\n"
     "X . X O\n"
     ". X X .\n"},
    {"two stones taken at once",
     "X X . O\n"
     "O O . .\n",
     {2, 0},
     kWhite,
     kNoMovePoint,
     Verdict::Played,
     2,
     kNoMovePoint,
     ". . O O\n"
     "O O . .\n"},
    {"suicide of a lone stone",
     ". X .\n"
     "X . X\n"
     ". X .\n",
     {1, 1},
     kWhite,
     kNoMovePoint,
     Verdict::Suicide,
     0,
     kNoMovePoint,
     ". X .\n"
     "X . X\n"
     ". X .\n"},
    {"suicide of a group",
     ". X O\n"
     "X O .\n"
     "O . .\n",
     {0, 0},
     kBlack,
     kNoMovePoint,
     Verdict::Suicide,
     0,
     kNoMovePoint,
     ". X O\n"
     "X O .\n"
     "O . .\n"},
    {"a capture before the suicide check",
     "X O .\n"
     ". X .\n"
     "X . .\n",
     {0, 1},
     kWhite,
     kNoMovePoint,
     Verdict::Played,
     1,
     Point{0, 0},
     ". O .\n"
     "O X .\n"
     "X . .\n"},
    {"an occupied point", "X O\n", {1, 0}, kBlack, kNoMovePoint, Verdict::Occupied, 0, kNoMovePoint, "X O\n"},
    {"off the board", "X O\n", kNoMovePoint, kBlack, kNoMovePoint, Verdict::OffBoard, 0, kNoMovePoint, "X O\n"},
};

TEST(RulesTest, PlayMoveUnderTheNormalRule)
{
    for (const MoveCase& c : kMoveCases) {
        SCOPED_TRACE(c.name);
        Stones stones = diagram::parse(c.before);
        const rules::MoveResult result = rules::playMove(stones, c.move.col, c.move.row, c.colour, c.koBan);
        EXPECT_EQ(result.verdict, c.verdict);
        EXPECT_EQ(result.capturedStones, c.captured);
        EXPECT_EQ(result.koPoint(), c.koPoint);
        EXPECT_EQ(diagram::print(stones), diagram::print(diagram::parse(c.after)));
    }
}

TEST(RulesTest, TheLaterOfTwoSingleCapturesIsTheKoPoint)
{
    // (1,2) is taken before (3,2) in neighbour order.
    Stones stones = diagram::parse("..O..\n"
                                   ".XOX.\n"
                                   "XO.OX\n"
                                   ".XOX.\n");
    const rules::MoveResult result = rules::playMove(stones, 2, 2, kBlack);
    EXPECT_EQ(result.capturedStones, 2);
    EXPECT_EQ(result.singleCapture, (Point{3, 2}));
    EXPECT_FALSE(result.joinsFriend);
}

TEST(RulesTest, KoRetakeNeedsTheBanPointWithoutEmptyNeighbours)
{
    const Stones stones = diagram::parse(". X O .\n"
                                         "X . X O\n"
                                         ". X O .\n");
    EXPECT_TRUE(rules::isKoRetake(stones, 1, 1, Point{1, 1}));
    EXPECT_FALSE(rules::isKoRetake(stones, 1, 1, kNoMovePoint));
    // (3,0) is the ban point here, but it has an empty neighbour.
    EXPECT_FALSE(rules::isKoRetake(stones, 3, 0, Point{3, 0}));
}

TEST(RulesTest, LibertiesCountDistinctPointsOrEveryContact)
{
    // The white group's only liberty (1,1) touches three of its stones.
    const Stones stones = diagram::parse("X O X .\n"
                                         "O . O X\n"
                                         "O O O X\n"
                                         "X X X .\n");
    EXPECT_EQ(rules::libertyCount(stones, 0, 1), 1);
    rules::GroupList group;
    const int size = rules::collectGroup(stones, 0, 1, group, false);
    EXPECT_EQ(size, 5);
    EXPECT_EQ(rules::bookLibertyCount(stones, group, size), 3);
    EXPECT_EQ(rules::libertyCount(stones, 1, 1), 0);  // empty
    EXPECT_EQ(rules::libertyCount(stones, -1, 1), 0); // off the board
}

TEST(RulesTest, NeighbourGroupsAreDistinctAndInContactOrder)
{
    // The white group touches (1,1) from the left and from above.
    const Stones stones = diagram::parse("O O . .\n"
                                         "O . X .\n"
                                         ". X X .\n");
    const rules::NeighbourGroups around = rules::neighbourGroups(stones, 1, 1);
    ASSERT_EQ(around.count, 2);
    EXPECT_EQ(around.groups[0].anchor, (Point{0, 1}));
    EXPECT_EQ(around.groups[0].colour, kWhite);
    EXPECT_EQ(around.groups[0].stones, 3);
    EXPECT_EQ(around.groups[0].liberties, 3); // (2,0), (1,1), (0,2)
    EXPECT_EQ(around.groups[1].anchor, (Point{2, 1}));
    EXPECT_EQ(around.groups[1].colour, kBlack);
    EXPECT_EQ(around.groups[1].stones, 3);
    EXPECT_EQ(rules::neighbourGroups(stones, 3, 0).count, 0);
}

TEST(RulesTest, AtariCountsOpponentGroupsLeftWithOneLiberty)
{
    // Black at (2,1) leaves the white stone at (1,1) one liberty, (1,2).
    Stones stones = diagram::parse(". X . O O X\n"
                                   "X O . . . .\n"
                                   ". . . . . .\n");
    ASSERT_EQ(rules::playMove(stones, 2, 1, kBlack).verdict, Verdict::Played);
    EXPECT_EQ(rules::atariCount(stones, 2, 1), 1);
    // Beside the pair: it keeps (3,1) and (4,1).
    ASSERT_EQ(rules::playMove(stones, 2, 0, kBlack).verdict, Verdict::Played);
    EXPECT_EQ(rules::atariCount(stones, 2, 0), 0);
    ASSERT_EQ(rules::playMove(stones, 3, 1, kBlack).verdict, Verdict::Played);
    EXPECT_EQ(rules::atariCount(stones, 3, 1), 1);
    EXPECT_EQ(rules::atariCount(stones, 4, 4), 0);
}

} // namespace
} // namespace joseki

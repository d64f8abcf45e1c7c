#include "core/TrialBoard.h"
#include "core/BoardDiagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace joseki {
namespace {

// Diagrams of the top-left corner of the board, one string per row (see
// core/BoardDiagram.h). Everything outside the diagram is empty.
using Diagram = std::vector<std::string>;

Stones boardFrom(const Diagram& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\n";
    return diagram::parse(text);
}

// A trial from a start position; baseStoneCount 0 lets black move first, 1 white.
TrialBoard startTrial(const Diagram& start, int baseStoneCount)
{
    TrialBoard trial;
    trial.startBoard = boardFrom(start);
    trial.baseStoneCount = baseStoneCount;
    trial.restart();
    return trial;
}

struct Coord {
    int col;
    int row;
};

constexpr int kBlackFirst = 0;
constexpr int kWhiteFirst = 1;

struct SequenceCase {
    const char* name;
    Diagram before;
    int baseStoneCount;
    std::vector<Coord> moves;
    Diagram after;
    int moveCount;
};

// A single-stone ko: black at (2,1) takes the white stone at (1,1).
const Diagram kKoShape = {
    ".XO..", "XO.O.", ".XO..", ".....", ".....",
};

class TrialSequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(TrialSequenceTest, PlaysToExpectedPosition)
{
    const SequenceCase& c = GetParam();
    TrialBoard trial = startTrial(c.before, c.baseStoneCount);
    for (const Coord& move : c.moves)
        trial.play(move.col, move.row);
    // The whole board, so a stone outside the diagram shows as a difference too.
    EXPECT_EQ(diagram::print(trial.position.board), diagram::print(boardFrom(c.after)));
    EXPECT_EQ(trial.moveCount, c.moveCount);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, TrialSequenceTest,
    ::testing::Values(
        SequenceCase{
            "CapturesLoneStone", {".X...", "XOX..", "....."}, kBlackFirst, {{1, 2}}, {".X...", "X.X..", ".X..."}, 1},
        SequenceCase{"CapturesTwoGroupsAtOnce",
                     {"OX.XO", ".O.O.", "....."},
                     kWhiteFirst,
                     {{2, 0}},
                     {"O.O.O", ".O.O.", "....."},
                     1},
        SequenceCase{
            "CapturesLargerGroup", {"XX.O.", "OO...", "....."}, kWhiteFirst, {{2, 0}}, {"..OO.", "OO...", "....."}, 1},
        SequenceCase{
            "SuicideRefused", {".X...", "X.X..", ".X..."}, kWhiteFirst, {{1, 1}}, {".X...", "X.X..", ".X..."}, 0},
        SequenceCase{
            "GroupSuicideRefused", {".XO..", "XO...", "O...."}, kBlackFirst, {{0, 0}}, {".XO..", "XO...", "O...."}, 0},
        SequenceCase{
            "CaptureBeforeSuicide", {"XO...", ".X...", "X...."}, kWhiteFirst, {{0, 1}}, {".O...", "OX...", "X...."}, 1},
        SequenceCase{"OccupiedPointRefused", {"XO...", "....."}, kBlackFirst, {{1, 0}, {0, 0}}, {"XO...", "....."}, 0},
        SequenceCase{"OffBoardRefused", {"....."}, kBlackFirst, {{-1, 0}, {19, 19}, {0, 19}}, {"....."}, 0},
        SequenceCase{"TurnAlternates", {"....."}, kBlackFirst, {{0, 0}, {2, 0}, {4, 0}}, {"X.O.X"}, 3},
        SequenceCase{"KoRetakeRefused",
                     kKoShape,
                     kBlackFirst,
                     {{2, 1}, {1, 1}},
                     {".XO..", "X.XO.", ".XO..", ".....", "....."},
                     1},
        SequenceCase{"KoRetakeAllowedTwoMovesLater",
                     kKoShape,
                     kBlackFirst,
                     {{2, 1}, {4, 4}, {4, 3}, {1, 1}},
                     {".XO..", "XO.O.", ".XO..", "....X", "....O"},
                     4},
        SequenceCase{"KoPlayElsewhereAtOnce",
                     kKoShape,
                     kBlackFirst,
                     {{2, 1}, {4, 4}},
                     {".XO..", "X.XO.", ".XO..", ".....", "....O"},
                     2},
        // The capturing stone touches a black stone, so no ko is recorded and
        // white's retake, which takes three stones, is allowed.
        SequenceCase{"NoKoWithFriendlyNeighbour",
                     {".XO..", "XO.O.", "OXXO.", ".OO.."},
                     kBlackFirst,
                     {{2, 1}, {1, 1}},
                     {".XO..", "XO.O.", "O..O.", ".OO.."},
                     2},
        SequenceCase{"NoKoWithFriendlyNeighbourRetakeIsSuicide",
                     {".XO..", "XO.O.", ".XX..", "....."},
                     kBlackFirst,
                     {{2, 1}, {1, 1}},
                     {".XO..", "X.XO.", ".XX..", "....."},
                     1}),
    [](const ::testing::TestParamInfo<SequenceCase>& param) { return std::string(param.param.name); });

TEST(TrialBoardTest, TurnColourFollowsBaseStoneCount)
{
    struct Case {
        int base;
        int move;
        std::int8_t colour;
    };
    const Case cases[] = {
        {0, 1, kBlack}, {0, 2, kWhite}, {3, 1, kWhite}, {3, 2, kBlack}, {7, 1, kWhite}, {4, 1, kBlack},
    };
    for (const Case& c : cases) {
        TrialBoard trial = startTrial({"."}, c.base);
        EXPECT_EQ(trial.colourOfMove(c.move), c.colour) << "base " << c.base << " move " << c.move;
    }
    TrialBoard trial = startTrial({"XOX"}, 3);
    trial.play(5, 5);
    EXPECT_EQ(trial.position.at(5, 5), kWhite);
}

TEST(TrialBoardTest, RestartKeepsStartPositionWithoutNumbers)
{
    TrialBoard trial = startTrial({"XO..."}, 2);
    trial.play(3, 3);
    trial.play(4, 4);
    ASSERT_EQ(trial.moveCount, 2);
    EXPECT_EQ(trial.position.moveNumbers[static_cast<std::size_t>(pointIndex(4, 4))], 2);
    trial.restart();
    EXPECT_EQ(trial.moveCount, 0);
    EXPECT_EQ(trial.koMoveCount, -1);
    EXPECT_EQ(trial.position.board, trial.startBoard);
    for (const std::int16_t number : trial.position.moveNumbers)
        ASSERT_EQ(number, 0);
}

TEST(TrialBoardTest, KoStateAfterCapture)
{
    struct Case {
        const char* name;
        Diagram before;
        int baseStoneCount;
        Coord move;
        int koMoveCount;
        Coord koPoint;
    };
    const Case cases[] = {
        {"lone stone taken", kKoShape, kBlackFirst, {2, 1}, 1, {1, 1}},
        // (1,2) is taken before (3,2): the later capture is the ko point.
        {"two single stones", {"..O..", ".XOX.", "XO.OX", ".XOX."}, kBlackFirst, {2, 2}, 1, {3, 2}},
        {"two-stone group", {"XX...", "OO..."}, kWhiteFirst, {2, 0}, -1, {-1, -1}},
        {"capturing stone has a friend", {".XO..", "XO.O.", ".XX.."}, kBlackFirst, {2, 1}, -1, {-1, -1}},
        {"no capture", {"....."}, kBlackFirst, {2, 0}, -1, {-1, -1}},
    };
    for (const Case& c : cases) {
        TrialBoard trial = startTrial(c.before, c.baseStoneCount);
        trial.play(c.move.col, c.move.row);
        SCOPED_TRACE(c.name);
        ASSERT_EQ(trial.moveCount, 1);
        EXPECT_EQ(trial.koMoveCount, c.koMoveCount);
        EXPECT_EQ(trial.koPoint.col, c.koPoint.col);
        if (c.koMoveCount >= 0) {
            EXPECT_EQ(trial.koPoint.row, c.koPoint.row);
        }
    }
}

TEST(TrialBoardTest, SuicideLeavesStateAsBefore)
{
    TrialBoard trial = startTrial(kKoShape, kBlackFirst);
    trial.play(2, 1); // black takes the ko
    const TrialBoard before = trial;
    trial.play(0, 0); // white into the corner between two black stones
    EXPECT_EQ(trial.position.board, before.position.board);
    EXPECT_EQ(trial.position.moveNumbers, before.position.moveNumbers);
    EXPECT_EQ(trial.moveCount, 1);
    EXPECT_EQ(trial.koMoveCount, 1);
    EXPECT_EQ(trial.koPoint.col, 1);
    EXPECT_EQ(trial.koPoint.row, 1);
    EXPECT_EQ(trial.moves[1].col, 2);
    EXPECT_EQ(trial.moves[1].row, 1);
    // Still white's turn, and the ko is still on.
    EXPECT_EQ(trial.colourOfMove(trial.moveCount + 1), kWhite);
    trial.play(1, 1);
    EXPECT_EQ(trial.moveCount, 1);
}

TEST(TrialBoardTest, NinetyNineMovesThenUndoAllowsOneMore)
{
    TrialBoard trial = startTrial({"."}, kBlackFirst);
    // Points two apart never touch, so no stone is ever captured.
    std::vector<Coord> points;
    for (int col = 0; col < kBoardSize; col += 2)
        for (int row = 0; row < kBoardSize; row += 2)
            points.push_back({col, row});
    ASSERT_GT(points.size(), static_cast<std::size_t>(kTrialMoveLimit));
    for (int k = 0; k < kTrialMoveLimit; ++k)
        trial.play(points[static_cast<std::size_t>(k)].col, points[static_cast<std::size_t>(k)].row);
    ASSERT_EQ(trial.moveCount, kTrialMoveLimit);

    const Coord extra = points[static_cast<std::size_t>(kTrialMoveLimit)];
    const auto full = trial.position.board;
    trial.play(extra.col, extra.row);
    EXPECT_EQ(trial.moveCount, kTrialMoveLimit);
    EXPECT_EQ(trial.position.board, full);

    trial.undo();
    EXPECT_EQ(trial.moveCount, kTrialMoveLimit - 1);
    const Coord last = points[static_cast<std::size_t>(kTrialMoveLimit - 1)];
    EXPECT_EQ(trial.position.at(last.col, last.row), kEmpty);
    trial.play(extra.col, extra.row);
    EXPECT_EQ(trial.moveCount, kTrialMoveLimit);
    EXPECT_EQ(trial.position.moveNumbers[static_cast<std::size_t>(pointIndex(extra.col, extra.row))], kTrialMoveLimit);
}

TEST(TrialBoardTest, UndoRestoresCapturesAndLiftsKo)
{
    TrialBoard trial = startTrial(kKoShape, kBlackFirst);
    trial.play(4, 4); // black elsewhere
    trial.play(4, 3); // white elsewhere
    const auto beforeCapture = trial.position;
    trial.play(2, 1); // black takes the ko
    ASSERT_EQ(trial.position.at(1, 1), kEmpty);
    ASSERT_EQ(trial.koMoveCount, 3);

    trial.undo();
    EXPECT_EQ(trial.position.board, beforeCapture.board);
    EXPECT_EQ(trial.position.moveNumbers, beforeCapture.moveNumbers);
    EXPECT_EQ(trial.moveCount, 2);
    EXPECT_EQ(trial.koMoveCount, -1);
}

TEST(TrialBoardTest, UndoWithoutMovesDoesNothing)
{
    TrialBoard trial = startTrial(kKoShape, kWhiteFirst);
    trial.undo();
    EXPECT_EQ(trial.moveCount, 0);
    EXPECT_EQ(trial.position.board, trial.startBoard);
}

// Every stone's group keeps a liberty: a copy loses nothing to removeGroupIfDead.
bool everyGroupHasLiberty(const BoardPosition& position)
{
    BoardPosition copy = position;
    for (int col = 0; col < kBoardSize; ++col)
        for (int row = 0; row < kBoardSize; ++row)
            if (copy.at(col, row) != kEmpty && copy.removeGroupIfDead(col, row) == 0)
                return false;
    return true;
}

std::ptrdiff_t stoneCount(const BoardPosition& position)
{
    return std::count_if(position.board.begin(), position.board.end(), [](std::int8_t code) { return code != kEmpty; });
}

TEST(TrialBoardTest, RandomPlayAndUndoKeepInvariants)
{
    // A 6x6 corner makes captures, kos and suicides frequent.
    constexpr int kRegion = 6;
    constexpr int kSteps = 3000;
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<int> coordinate(0, kRegion - 1);
    std::uniform_int_distribution<int> percent(0, 99);

    TrialBoard trial = startTrial({"..X", ".O."}, 2);
    int captures = 0;
    int refusals = 0;
    for (int step = 0; step < kSteps; ++step) {
        if (percent(random) < 20) {
            const int count = trial.moveCount;
            trial.undo();
            ASSERT_EQ(trial.moveCount, count > 0 ? count - 1 : 0);
        } else {
            const int col = coordinate(random);
            const int row = coordinate(random);
            const int count = trial.moveCount;
            const auto stonesBefore = stoneCount(trial.position);
            trial.play(col, row);
            if (trial.moveCount == count + 1) {
                if (stoneCount(trial.position) <= stonesBefore)
                    ++captures;
                ASSERT_NE(trial.position.at(col, row), kEmpty) << "step " << step;
                // Taking the move back and playing it again gives the same board.
                const TrialBoard played = trial;
                trial.undo();
                trial.play(col, row);
                ASSERT_EQ(trial.position.board, played.position.board) << "step " << step;
                ASSERT_EQ(trial.position.moveNumbers, played.position.moveNumbers) << "step " << step;
                ASSERT_EQ(trial.koMoveCount, played.koMoveCount) << "step " << step;
            } else {
                ASSERT_EQ(trial.moveCount, count) << "step " << step;
                ++refusals;
            }
            if (trial.moveCount == kTrialMoveLimit)
                trial.restart();
        }
        ASSERT_TRUE(everyGroupHasLiberty(trial.position)) << "step " << step;
        for (int col = 0; col < kBoardSize; ++col)
            for (int row = 0; row < kBoardSize; ++row) {
                const auto index = static_cast<std::size_t>(pointIndex(col, row));
                ASSERT_LE(trial.position.moveNumbers[index], trial.moveCount);
            }
    }
    // The walk must have exercised the capture and refusal paths.
    EXPECT_GT(captures, 0);
    EXPECT_GT(refusals, 0);
}

} // namespace
} // namespace joseki

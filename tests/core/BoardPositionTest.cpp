#include "core/BoardPosition.h"
#include "core/BoardDiagram.h"

#include <gtest/gtest.h>

namespace joseki {
namespace {

// The position a diagram shows, with no move numbers.
void setDiagram(BoardPosition& position, const std::string& text)
{
    position.clear();
    position.board = diagram::parse(text);
}

struct BookCase {
    const char* name;
    const char* before;
    int col;
    int row;
    std::int8_t colour;
    const char* after;
};

// The book rule examines the four neighbours in the order left, right, up,
// down and removes whatever has no liberty at that moment, own groups included.
const BookCase kBookCases[] = {
    {"capture a corner stone",
     ". O . .\n"
     "O . . .\n"
     ". . . .\n",
     0, 0, kBlack,
     "X O . .\n"
     "O . . .\n"
     ". . . .\n"},
    {"black takes the last liberty of a white stone",
     ". X . .\n"
     "X O . .\n"
     ". X . .\n",
     2, 1, kBlack,
     ". X . .\n"
     "X . X .\n"
     ". X . .\n"},
    {"own group on the left is examined first and dies",
     // (5,5) is the last liberty of the black group on its left and of the
     // white group on its right; the black group, now with the new stone, goes.
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . O O . .\n"
     ". . . O X O O .\n"
     ". . . O X . O X\n"
     ". . . . O O X O\n"
     ". . . . . X O .\n",
     5, 5, kBlack,
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . O O . .\n"
     ". . . O . O O .\n"
     ". . . O . . O X\n"
     ". . . . O O X O\n"
     ". . . . . X O .\n"},
    {"a lone stone without liberties stays",
     ". O . .\n"
     "O . O .\n"
     ". O . .\n",
     1, 1, kBlack,
     ". O . .\n"
     "O X O .\n"
     ". O . .\n"},
    {"placing on an occupied point overwrites",
     "O . .\n"
     ". . .\n",
     0, 0, kBlack,
     "X . .\n"
     ". . .\n"},
};

class BookCaptureTest : public ::testing::TestWithParam<BookCase> {};

TEST_P(BookCaptureTest, PlacesAndCaptures)
{
    const BookCase& c = GetParam();
    BoardPosition position;
    setDiagram(position, c.before);
    int counter = 7;
    position.placeBookStone(c.col, c.row, c.colour, counter);
    EXPECT_EQ(counter, 8);
    EXPECT_EQ(position.moveNumbers[static_cast<std::size_t>(pointIndex(c.col, c.row))], 8);
    const int cols = diagram::cols(c.before);
    const int rows = diagram::rows(c.before);
    EXPECT_EQ(diagram::print(position.board, cols, rows), diagram::print(diagram::parse(c.after), cols, rows));
}

INSTANTIATE_TEST_SUITE_P(Book, BookCaptureTest, ::testing::ValuesIn(kBookCases),
                         [](const ::testing::TestParamInfo<BookCase>& param) {
                             std::string name = param.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(BookCaptureOrder, SwappedSidesRemoveTheOpponentFirst)
{
    // Both neighbour orders: at (5,5) with the white group on the left and the
    // black group on the right, white is examined first and removed, and the
    // black group with the new stone keeps its liberty at (4,5).
    BoardPosition position;
    setDiagram(position, ". . . . . . . .\n"
                         ". . . . . . . .\n"
                         ". . . . . . . .\n"
                         ". . . . X X . .\n"
                         ". . . X O X X .\n"
                         ". . . X O . X O\n"
                         ". . . . X X O X\n"
                         ". . . . . O X .\n");
    int counter = 0;
    position.placeBookStone(5, 5, kBlack, counter);
    EXPECT_EQ(position.at(4, 5), kEmpty);
    EXPECT_EQ(position.at(4, 4), kEmpty);
    EXPECT_EQ(position.at(5, 5), kBlack);
    EXPECT_EQ(position.at(6, 5), kBlack);
}

TEST(RemoveGroupIfDead, ReturnsNinetyNineWithoutAStone)
{
    BoardPosition position;
    setDiagram(position, "X .\n");
    const BoardPosition before = position;
    for (auto [col, row] : {std::pair{1, 0}, std::pair{19, 19}, std::pair{-1, 5}, std::pair{0, 19}}) {
        int removed = -1;
        EXPECT_EQ(position.removeGroupIfDead(col, row, &removed), kNoGroup) << col << "," << row;
        EXPECT_EQ(removed, 0);
    }
    EXPECT_EQ(position.board, before.board);
}

TEST(RemoveGroupIfDead, CountsSharedLibertiesOncePerStone)
{
    // The only liberty (1,1) touches three stones of the white group, so it
    // counts three times.
    BoardPosition position;
    setDiagram(position, "X O X .\n"
                         "O . O X\n"
                         "O O O X\n"
                         "X X X .\n");
    int removed = -1;
    EXPECT_EQ(position.removeGroupIfDead(0, 1, &removed), 3);
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(position.at(0, 1), kWhite);
}

TEST(RemoveGroupIfDead, RemovesADeadGroupAndKeepsItsNumbers)
{
    BoardPosition position;
    setDiagram(position, "X O .\n"
                         "O . .\n");
    position.moveNumbers[static_cast<std::size_t>(pointIndex(0, 0))] = 3;
    int removed = -1;
    EXPECT_EQ(position.removeGroupIfDead(0, 0, &removed), 0);
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(position.at(0, 0), kEmpty);
    EXPECT_EQ(position.moveNumbers[static_cast<std::size_t>(pointIndex(0, 0))], 3);

    setDiagram(position, "O O X .\n"
                         "O X . .\n"
                         "X . . .\n");
    EXPECT_EQ(position.removeGroupIfDead(1, 0, &removed), 0);
    EXPECT_EQ(removed, 3);
}

TEST(EmptyNeighbourCount, CornerEdgeAndCentre)
{
    BoardPosition position;
    EXPECT_EQ(position.emptyNeighbourCount(0, 0), 2);
    EXPECT_EQ(position.emptyNeighbourCount(18, 18), 2);
    EXPECT_EQ(position.emptyNeighbourCount(0, 9), 3);
    EXPECT_EQ(position.emptyNeighbourCount(9, 18), 3);
    EXPECT_EQ(position.emptyNeighbourCount(9, 9), 4);
    setDiagram(position, ". X\nO .\n");
    EXPECT_EQ(position.emptyNeighbourCount(0, 0), 0);
}

TEST(RemoveIfWithoutLiberty, AgreesWithTheFullLibertyCount)
{
    // Seeded random boards: the quick test must remove exactly what the
    // counting routine removes, wherever it is asked.
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int round = 0; round < 300; ++round) {
        BoardPosition quick;
        for (auto& code : quick.board)
            code = static_cast<std::int8_t>(next() % 3);
        BoardPosition counted = quick;
        const int col = static_cast<int>(next() % 21) - 1;
        const int row = static_cast<int>(next() % 21) - 1;
        const bool removed = quick.removeIfWithoutLiberty(col, row);
        EXPECT_EQ(removed, counted.removeGroupIfDead(col, row) == 0) << round;
        EXPECT_EQ(quick.board, counted.board) << round;
    }
}

TEST(BoardPosition, IndexIsColumnMajor)
{
    BoardPosition position;
    int counter = 0;
    position.placeBookStone(2, 5, kWhite, counter);
    EXPECT_EQ(position.board[2 * 19 + 5], kWhite);
}

} // namespace
} // namespace joseki

#include "core/Coordinates.h"

#include <gtest/gtest.h>

#include <string>

namespace joseki {
namespace {

TEST(CoordinatesTest, BoardLettersSkipKAndRowsCountUpFromTheBottom)
{
    std::string letters;
    for (int col = 0; col < kBoardSize; ++col)
        letters.push_back(coordinates::boardLetter(col));
    EXPECT_EQ(letters, "ABCDEFGHIJLMNOPQRST");
    EXPECT_EQ(coordinates::boardLetter(-1), '?');
    EXPECT_EQ(coordinates::boardLetter(19), '?');
    EXPECT_EQ(coordinates::boardRowNumber(0), 19);
    EXPECT_EQ(coordinates::boardRowNumber(18), 1);
}

TEST(CoordinatesTest, NamesOfPoints)
{
    const struct {
        Point point;
        const char* board;
        const char* sgf;
    } cases[] = {
        {{0, 0}, "A19", "aa"}, {{3, 3}, "D16", "dd"},  {{15, 3}, "Q16", "pd"}, {{8, 9}, "I10", "ij"},
        {{9, 9}, "J10", "jj"}, {{10, 9}, "L10", "kj"}, {{18, 18}, "T1", "ss"}, {kNoMovePoint, "", "tt"},
        {{-1, 4}, "", ""},     {{4, 19}, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sgf);
        EXPECT_EQ(coordinates::boardName(c.point), c.board);
        EXPECT_EQ(coordinates::sgfName(c.point), c.sgf);
        if (*c.board != '\0') {
            EXPECT_EQ(coordinates::parseBoardName(c.board), c.point);
        }
        if (*c.sgf != '\0') {
            EXPECT_EQ(coordinates::parseSgfName(c.sgf), c.point);
        }
    }
}

TEST(CoordinatesTest, ParsingRefusesWhatNoPointIsNamedBy)
{
    for (const char* name : {"", "K10", "A0", "A20", "A", "A1x", "Z5", "D-3"})
        EXPECT_FALSE(coordinates::parseBoardName(name).has_value()) << name;
    EXPECT_EQ(coordinates::parseBoardName("q16"), (Point{15, 3}));
    for (const char* name : {"", "a", "aaa", "ta", "at", "zz", "A1"})
        EXPECT_FALSE(coordinates::parseSgfName(name).has_value()) << name;
    EXPECT_EQ(coordinates::sgfLetter(0), 'a');
    EXPECT_EQ(coordinates::sgfLetter(19), 't');
}

} // namespace
} // namespace joseki

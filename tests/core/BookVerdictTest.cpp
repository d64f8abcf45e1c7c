// Reading a comment's verdict marker: at the end of a leaf's comment, at the
// start of a trick or mistake move's, always on whole GBK characters.
#include "core/BookVerdict.h"

#include <gtest/gtest.h>

#include <string>

namespace joseki {
namespace {

struct Case {
    std::string comment;
    BookVerdict ending;
    BookVerdict opening;
};

TEST(BookVerdictTest, EndingAndOpeningOfEachComment)
{
    const Case cases[] = {
        {"两分。【定式】", BookVerdict::Joseki, BookVerdict::None},
        {"白稍好。【变化】\r\n　 \t", BookVerdict::Variation, BookVerdict::None}, // blanks after it, full-width one too
        {"【骗着】白挖，黑打吃后白崩溃。【骗着】", BookVerdict::Trick, BookVerdict::Trick},
        {"【失着】白扳过分。", BookVerdict::None, BookVerdict::Mistake},
        {"【定式】", BookVerdict::Joseki, BookVerdict::Joseki},     // the marker alone
        {"两分。【定式】了", BookVerdict::None, BookVerdict::None}, // words after the marker
        {"两分。【定式", BookVerdict::None, BookVerdict::None},     // cut short
        {" 【骗着】黑挖。", BookVerdict::None, BookVerdict::None},  // not at the very start
        {"", BookVerdict::None, BookVerdict::None},
        {"　", BookVerdict::None, BookVerdict::None},
        // A lead byte before the marker takes its first byte: what follows is no marker.
        {std::string("\x81") + "【定式】", BookVerdict::None, BookVerdict::None},
        // A lone lead byte at the very end stands for itself.
        {std::string("【变化】") + "\x81", BookVerdict::None, BookVerdict::Variation},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bookVerdict::endingOf(c.comment), c.ending) << c.comment;
        EXPECT_EQ(bookVerdict::openingOf(c.comment), c.opening) << c.comment;
    }
}

TEST(BookVerdictTest, MarkersOfTheFourVerdicts)
{
    EXPECT_EQ(bookVerdict::markerOf(BookVerdict::Joseki), "【定式】");
    EXPECT_EQ(bookVerdict::markerOf(BookVerdict::Variation), "【变化】");
    EXPECT_EQ(bookVerdict::markerOf(BookVerdict::Trick), "【骗着】");
    EXPECT_EQ(bookVerdict::markerOf(BookVerdict::Mistake), "【失着】");
    EXPECT_TRUE(bookVerdict::markerOf(BookVerdict::None).empty());
    EXPECT_TRUE(bookVerdict::isTrickOrMistake(BookVerdict::Trick));
    EXPECT_TRUE(bookVerdict::isTrickOrMistake(BookVerdict::Mistake));
    EXPECT_FALSE(bookVerdict::isTrickOrMistake(BookVerdict::Joseki));
}

} // namespace
} // namespace joseki

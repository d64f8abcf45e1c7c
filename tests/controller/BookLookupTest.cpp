// The other places of the browsed position: found in other move orders,
// corners and colours, named by their paths, and visited in turn.
#include "ui/controller/BookLookup.h"

#include "core/Coordinates.h"
#include "tests/controller/BookFixture.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace joseki::test {
namespace {

class BookLookupTest : public ::testing::Test {
protected:
    // The cursor at the end of the line of moves in SGF letters.
    void browseTo(std::initializer_list<const char*> line)
    {
        book.engine.resetToRoot();
        for (const char* move : line) {
            const std::optional<Point> p = coordinates::parseSgfName(move);
            book.engine.stepTo(p->col, p->row);
        }
        ASSERT_EQ(book.engine.cursor, book.at(line));
    }

    IndexedPracticeBook book;
    BookLookup lookup{book.index};
};

TEST_F(BookLookupTest, OtherPlacesOfThePositionWithTheirPaths)
{
    struct Case {
        std::initializer_list<const char*> line;
        const char* lines; // the comment box's lines; null when the position stands nowhere else
    };
    const Case cases[] = {
        {{"dd", "cf"}, "同形变化：\r\n黑Q16 白R14（方向不同）\r\n白D4 黑C6（方向不同，黑白互换）"},
        {{"fc", "cf", "dd"}, "同形变化：\r\n黑D16 白C14 黑F17"},
        {{"dd", "cf", "fc", "ch"}, "同形变化：\r\n黑F17 白C14 黑D16 白C12"},
        {{"dd", "cc"}, nullptr},
        {{"dd", "cf", "ci", "cc"}, nullptr},
    };
    for (const Case& c : cases) {
        browseTo(c.line);
        const std::vector<BookPlace> places = lookup.otherPlaces(book.engine);
        if (c.lines == nullptr) {
            EXPECT_TRUE(places.empty());
            continue;
        }
        EXPECT_EQ(BookLookup::placeLines(places), c.lines);
        for (const BookPlace& place : places)
            EXPECT_NE(place.node, book.engine.cursor);
    }
}

TEST_F(BookLookupTest, EachJumpGoesToTheNextPlaceAndRoundAgain)
{
    const VariationNode* here = book.at({"dd", "cf"});
    const VariationNode* mirrored = book.at({"pd", "qf"});
    const VariationNode* swapped = book.at({"dp", "cn"});
    browseTo({"dd", "cf"});
    EXPECT_EQ(lookup.nextPlace(book.engine), mirrored);
    browseTo({"pd", "qf"});
    EXPECT_EQ(lookup.nextPlace(book.engine), swapped);
    browseTo({"dp", "cn"});
    EXPECT_EQ(lookup.nextPlace(book.engine), here);
    browseTo({"dd", "cc"});
    EXPECT_EQ(lookup.nextPlace(book.engine), nullptr);
}

} // namespace
} // namespace joseki::test

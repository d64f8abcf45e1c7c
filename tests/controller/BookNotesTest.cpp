// The words of the book's answers: moves, paths, verdict summaries, notes on
// orientations and lists of continuations.
#include "ui/controller/BookNotes.h"

#include "core/JosekiEngine.h"
#include "core/Symmetry.h"
#include "core/VariationNode.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace joseki::test {
namespace {

TEST(BookNotesTest, MovesByColourAndPoint)
{
    struct Case {
        std::int8_t colour;
        Point move;
        const char* name;
    };
    const Case cases[] = {
        {kBlack, {15, 3}, "黑Q16"}, {kWhite, {16, 5}, "白R14"}, {kWhite, kNoMovePoint, "白脱先"},
        {kBlack, {0, 18}, "黑A1"},  {kBlack, {8, 8}, "黑I11"},  {kEmpty, {0, 0}, "A19"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bookNotes::moveName(c.colour, c.move), c.name);
}

TEST(BookNotesTest, PathsFromTheRoot)
{
    RecordingMessageService messages;
    JosekiEngine engine(messages);
    loadLibraryText(engine, "(;;;B[pd];W[tt];B[qf])");
    const VariationNode* empty = engine.root->firstChild;
    const VariationNode* last = empty->firstChild->firstChild->firstChild;
    EXPECT_EQ(bookNotes::pathOf(*engine.root), "空棋盘");
    EXPECT_EQ(bookNotes::pathOf(*empty), "空棋盘"); // a node without a move names none
    EXPECT_EQ(bookNotes::pathOf(*last), "黑Q16 白脱先 黑R14");

    // A path of 70 moves names its last 60.
    std::string text = "(;";
    for (int i = 0; i < 70; ++i)
        text += std::string(";") + (i % 2 == 0 ? "B" : "W") + "[a" + static_cast<char>('a' + i % kBoardSize) + "]";
    text += ")";
    loadLibraryText(engine, text);
    const VariationNode* deepest = engine.root;
    while (deepest->firstChild != nullptr)
        deepest = deepest->firstChild;
    const std::string path = bookNotes::pathOf(*deepest);
    EXPECT_TRUE(path.starts_with("……黑A9 白A8 ")) << path; // the 11th move, on row 9
    EXPECT_EQ(std::count(path.begin(), path.end(), ' '), 59);
    EXPECT_TRUE(path.ends_with(" 黑A8 白A7")) << path;
}

TEST(BookNotesTest, VerdictSummariesAndContinuationLists)
{
    const auto tally = [](std::vector<std::uint32_t> counts) {
        VerdictTally t;
        std::copy(counts.begin(), counts.end(), t.leaves.begin());
        return t;
    };
    // Counts in BookVerdict order: none, 定式, 变化, 骗着, 失着.
    EXPECT_EQ(bookNotes::verdictSummary(tally({0, 2, 1, 0, 0})), "定式2条、变化1条");
    EXPECT_EQ(bookNotes::verdictSummary(tally({3, 0, 0, 1, 1})), "骗着1条、失着1条、未标注3条");
    EXPECT_EQ(bookNotes::verdictSummary(tally({0, 0, 0, 0, 0})), "");
    const std::vector<BookContinuation> continuations{{nullptr, {2, 5}, kWhite, tally({0, 1, 0, 0, 0})},
                                                      {nullptr, kNoMovePoint, kBlack, tally({1, 0, 0, 0, 0})}};
    EXPECT_EQ(bookNotes::continuationList(continuations), "白C14（定式1条），黑脱先（未标注1条）");
    EXPECT_EQ(bookNotes::continuationList({}), "");
}

TEST(BookNotesTest, OrientationNotesAndNodeTexts)
{
    EXPECT_EQ(bookNotes::orientationNote({}), "");
    EXPECT_EQ(bookNotes::orientationNote({symmetry::kTranspose, false}), "（方向不同）");
    EXPECT_EQ(bookNotes::orientationNote({symmetry::kIdentity, true}), "（黑白互换）");
    EXPECT_EQ(bookNotes::orientationNote({symmetry::kMirrorCol, true}), "（方向不同，黑白互换）");

    VariationNode node;
    EXPECT_EQ(bookNotes::nodeText(node), "");
    node.name = "星位";
    EXPECT_EQ(bookNotes::nodeText(node), "\r\n星位"); // a name without a comment starts with a line break
    node.comment = "占角。";
    EXPECT_EQ(bookNotes::nodeText(node), "占角。\r\n星位");
}

} // namespace
} // namespace joseki::test

// Trial play read against the book: still in it, where and what the book
// plays on; out of it, which trial move left it and what the book played there.
#include "ui/controller/TrialBookAdvisor.h"

#include "core/BoardDiagram.h"
#include "core/Coordinates.h"
#include "core/Symmetry.h"
#include "core/TrialBoard.h"
#include "tests/controller/BookFixture.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace joseki::test {
namespace {

std::vector<Point> points(std::initializer_list<const char*> names)
{
    std::vector<Point> list;
    for (const char* name : names)
        list.push_back(*coordinates::parseBoardName(name));
    return list;
}

class TrialBookAdvisorTest : public ::testing::Test {
protected:
    // Trial play from the book position at the end of `line`, then the trial
    // moves by their board names, as the browser starts and plays it.
    TrialBoard trialFrom(std::initializer_list<const char*> line, std::initializer_list<const char*> moves)
    {
        JosekiEngine& engine = book.engine;
        engine.resetToRoot();
        for (const char* move : line) {
            const std::optional<Point> p = coordinates::parseSgfName(move);
            engine.stepTo(p->col, p->row);
        }
        TrialBoard trial;
        trial.startBoard = engine.book.board;
        trial.baseStoneCount = engine.stoneCount;
        trial.restart();
        for (const Point p : points(moves))
            trial.play(p.col, p.row);
        EXPECT_EQ(trial.moveCount, static_cast<int>(moves.size()));
        return trial;
    }

    std::vector<const VariationNode*> nodesOf(const TrialAdvice& advice) const
    {
        std::vector<const VariationNode*> nodes;
        for (const BookPlace& place : advice.places)
            nodes.push_back(place.node);
        return nodes;
    }

    IndexedPracticeBook book;
    TrialBookAdvisor advisor{book.index};
};

TEST_F(TrialBookAdvisorTest, StillInTheBookShowsTheNodeAndWhatFollows)
{
    const TrialAdvice advice = advisor.advise(trialFrom({"dd"}, {"C14"}));
    EXPECT_TRUE(advice.inBook);
    EXPECT_EQ(advice.leavingMove, 0);
    // The line as the board shows it first, then the turned copies in the tree's order.
    EXPECT_EQ(nodesOf(advice),
              (std::vector<const VariationNode*>{book.at({"dd", "cf"}), book.at({"pd", "qf"}), book.at({"dp", "cn"})}));
    EXPECT_EQ(advice.places[0].orientation, Orientation{});
    EXPECT_EQ(advice.places[2].orientation, (Orientation{symmetry::kMirrorRow, true}));
    EXPECT_EQ(advice.marks, points({"F17", "C11"}));
    EXPECT_EQ(advice.comment, "仍在定式库中。\r\n小飞挂\r\n定式库的下一手：黑F17（定式1条），黑C11（变化1条）");
}

TEST_F(TrialBookAdvisorTest, ASymmetricPositionMarksEveryImageOfABookMove)
{
    // The star point alone is its own mirror across the diagonal: the approach
    // from the side is a book move as well as the one from below. The two
    // turned copies of the star point add their approaches' lines to C14.
    const TrialAdvice advice = advisor.advise(trialFrom({"dd"}, {}));
    EXPECT_TRUE(advice.inBook);
    EXPECT_EQ(advice.marks, points({"C14", "F17", "C17"}));
    EXPECT_EQ(advice.comment, "仍在定式库中。\r\n星位\r\n"
                              "定式库的下一手：白C14（定式1条、变化1条、未标注2条），白C17（骗着1条）");
}

TEST_F(TrialBookAdvisorTest, AnotherMoveOrderMergesTheContinuationsOfEveryPlace)
{
    // From the empty board, the first line's moves in the second line's order.
    const TrialAdvice advice = advisor.advise(trialFrom({}, {"F17", "C14", "D16"}));
    EXPECT_TRUE(advice.inBook);
    EXPECT_EQ(nodesOf(advice),
              (std::vector<const VariationNode*>{book.at({"dd", "cf", "fc"}), book.at({"fc", "cf", "dd"})}));
    EXPECT_EQ(advice.marks, points({"C12", "D11"}));
    EXPECT_EQ(advice.comment, "仍在定式库中。\r\n小飞守角\r\n定式库的下一手：白C12（定式2条），白D11（变化1条）");
}

TEST_F(TrialBookAdvisorTest, TheUnturnedLineComesFirstAndTurnedOnesLendTheirMoves)
{
    // The approach in the upper-right corner ends its line there; the book
    // goes on in the upper-left corner, seen here mirrored.
    const TrialAdvice advice = advisor.advise(trialFrom({"pd"}, {"R14"}));
    EXPECT_TRUE(advice.inBook);
    EXPECT_EQ(nodesOf(advice),
              (std::vector<const VariationNode*>{book.at({"pd", "qf"}), book.at({"dd", "cf"}), book.at({"dp", "cn"})}));
    EXPECT_EQ(advice.marks, points({"O17", "R11"}));
    EXPECT_EQ(advice.comment, "仍在定式库中。\r\n右上角\r\n定式库的下一手：黑O17（定式1条），黑R11（变化1条）");
}

TEST_F(TrialBookAdvisorTest, TheMoveThatLeftTheBookAndWhatTheBookPlayedThere)
{
    const TrialAdvice advice = advisor.advise(trialFrom({"dd"}, {"C14", "F17", "R3"}));
    EXPECT_FALSE(advice.inBook);
    EXPECT_EQ(advice.leavingMove, 3);
    EXPECT_TRUE(advice.marks.empty());
    EXPECT_EQ(advice.comment, "第3手白R3离开了定式库。\r\n定式库在此处下：白C12（定式2条），白D11（变化1条）\r\n"
                              "定式库中的位置：黑D16 白C14 黑F17");
    // Moves after the one that left change nothing of the report.
    EXPECT_EQ(advisor.advise(trialFrom({"dd"}, {"C14", "F17", "R3", "R4"})).comment, advice.comment);
}

TEST_F(TrialBookAdvisorTest, LeavingAtTheEndOfALineAndInATurnedCorner)
{
    struct Case {
        std::initializer_list<const char*> line;
        std::initializer_list<const char*> moves;
        int leavingMove;
        const char* comment;
    };
    const Case cases[] = {
        // The line ended with W C12: any move leaves.
        {{"dd", "cf", "fc"},
         {"C12", "R3"},
         2,
         "第2手黑R3离开了定式库。\r\n定式库中此变化到此为止。\r\n定式库中的位置：黑D16 白C14 黑F17 白C12"},
        // In the upper-right corner the book is the upper-left one mirrored.
        {{"pd", "qf"},
         {"O17", "Q3"},
         2,
         "第2手白Q3离开了定式库。\r\n定式库在此处下：白R12（定式2条），白Q11（变化1条）\r\n"
         "定式库中的位置：黑D16 白C14 黑F17（方向不同）"},
    };
    for (const Case& c : cases) {
        const TrialAdvice advice = advisor.advise(trialFrom(c.line, c.moves));
        EXPECT_FALSE(advice.inBook);
        EXPECT_EQ(advice.leavingMove, c.leavingMove);
        EXPECT_EQ(advice.comment, c.comment);
    }
}

TEST_F(TrialBookAdvisorTest, AStartOutsideTheBook)
{
    TrialBoard trial;
    trial.startBoard = diagram::parse(". . . .\n. . . .\n. . X O\n");
    trial.restart();
    const TrialAdvice advice = advisor.advise(trial);
    EXPECT_FALSE(advice.inBook);
    EXPECT_EQ(advice.leavingMove, 0);
    EXPECT_TRUE(advice.places.empty());
    EXPECT_EQ(advice.comment, "试下开始时的局面不在定式库中。");
}

} // namespace
} // namespace joseki::test

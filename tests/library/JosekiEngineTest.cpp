#include "core/JosekiEngine.h"
#include "core/BookReplay.h"
#include "core/MessageService.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/SystemTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki {
namespace {

namespace texts = test::texts;

class EngineTest : public ::testing::Test {
protected:
    void load(const std::string& text)
    {
        loadLibraryText(engine, text);
        ASSERT_TRUE(engine.isLoaded());
    }

    std::vector<Point> candidateList() const
    {
        return {engine.candidates.begin(), engine.candidates.begin() + engine.candidateCount};
    }

    std::int8_t stoneAt(int col, int row) const { return engine.book.at(col, row); }
    int numberAt(int col, int row) const
    {
        return engine.book.moveNumbers[static_cast<std::size_t>(pointIndex(col, row))];
    }
    char labelAt(int col, int row) const { return engine.labelBoard[static_cast<std::size_t>(pointIndex(col, row))]; }

    test::RecordingMessageService messages;
    JosekiEngine engine{messages};
};

// Root with three first moves; the second has a tenuki continuation and a
// branch B with chosen child C and its follow-up D.
constexpr char kTree[] = "(;C[root]"
                         "(;B[pd];W[qc])"
                         "(;B[qd];W[tt];B[oc];W[pc]"
                         "  (;B[pb];W[ob])"
                         "  (;B[qc];W[nc]))"
                         "(;B[qc]))";

TEST_F(EngineTest, AfterLoadingTheCursorIsOnTheEmptyRoot)
{
    load(kTree);
    EXPECT_EQ(engine.cursor, engine.root);
    EXPECT_EQ(engine.stoneCount, 0);
    EXPECT_EQ(engine.pathDepth, 1);
    EXPECT_EQ(candidateList(), (std::vector<Point>{{15, 3}, {16, 3}, {16, 2}}));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(EngineTest, StepsNumberStonesAndSkipTenuki)
{
    load(kTree);
    engine.stepTo(16, 3);
    EXPECT_EQ(engine.stoneCount, 1);
    EXPECT_EQ(numberAt(16, 3), 1);
    EXPECT_EQ(candidateList(), (std::vector<Point>{{kNoMove, kNoMove}}));

    engine.stepTo(kNoMove, kNoMove); // tenuki places nothing
    EXPECT_EQ(engine.stoneCount, 1);
    engine.stepTo(14, 2);
    EXPECT_EQ(engine.stoneCount, 2);
    EXPECT_EQ(numberAt(14, 2), 2);
    EXPECT_EQ(stoneAt(14, 2), kBlack);
}

TEST_F(EngineTest, AStepToNoChildKeepsTheCursorAndALeafIgnoresSteps)
{
    load(kTree);
    engine.stepTo(15, 3);
    VariationNode* atPd = engine.cursor;
    engine.stepTo(0, 0);
    EXPECT_EQ(engine.cursor, atPd);
    EXPECT_EQ(engine.stoneCount, 1);
    engine.stepTo(16, 2);
    ASSERT_EQ(engine.cursor->firstChild, nullptr);
    engine.stepTo(16, 2);
    EXPECT_EQ(engine.stoneCount, 2);
}

TEST_F(EngineTest, UpBranchAndStepBackAcrossNestedChoices)
{
    load(kTree);
    for (Point p : {Point{16, 3}, Point{kNoMove, kNoMove}, Point{14, 2}, Point{15, 2}, Point{16, 2}, Point{13, 2}})
        engine.stepTo(p.col, p.row);
    ASSERT_EQ(engine.stoneCount, 5);
    EXPECT_EQ(engine.pathDepth, 3); // root, the first move, the chosen (16,2)

    engine.upBranch(); // back to the chosen child, its stone shown
    EXPECT_EQ(engine.cursor->col, 16);
    EXPECT_EQ(engine.cursor->row, 2);
    EXPECT_EQ(engine.stoneCount, 4);
    EXPECT_EQ(stoneAt(16, 2), kBlack);

    engine.upBranch(); // pops the choice and goes on to the enclosing variation's first node
    EXPECT_EQ(engine.cursor->col, 16);
    EXPECT_EQ(engine.cursor->row, 3);
    EXPECT_EQ(engine.pathDepth, 2);

    engine.upBranch();
    EXPECT_EQ(engine.cursor, engine.root);
    EXPECT_EQ(engine.pathDepth, 1);
    EXPECT_EQ(engine.stoneCount, 0);
}

TEST_F(EngineTest, StepBackFromTheChosenChildPopsTheChoice)
{
    load(kTree);
    for (Point p : {Point{16, 3}, Point{kNoMove, kNoMove}, Point{14, 2}, Point{15, 2}, Point{15, 1}})
        engine.stepTo(p.col, p.row);
    ASSERT_EQ(engine.pathDepth, 3);
    engine.stepBack();
    EXPECT_EQ(engine.pathDepth, 2);
    EXPECT_EQ(engine.lastChoice->col, 16);
    EXPECT_EQ(engine.cursor->col, 15);
    EXPECT_EQ(engine.cursor->row, 2);
    EXPECT_EQ(engine.candidateCount, 2);
}

TEST_F(EngineTest, WithoutChoicesUpBranchWalksToTheRoot)
{
    load("(;B[aa];W[bb];B[cc])");
    // The root carries a move; it is never placed.
    engine.stepTo(1, 1);
    engine.stepTo(2, 2);
    EXPECT_EQ(engine.stoneCount, 2);
    EXPECT_EQ(stoneAt(0, 0), kEmpty);
    EXPECT_EQ(numberAt(1, 1), 1);
    engine.upBranch();
    EXPECT_EQ(engine.cursor, engine.root);
}

TEST_F(EngineTest, TheFirstOfTwoChildrenAtOnePointWins)
{
    load("(;(;B[aa]C[first])(;B[aa]C[second]))");
    engine.stepTo(0, 0);
    EXPECT_STREQ(engine.cursor->comment, "first");
}

struct LabelCase {
    const char* info;
    std::vector<std::pair<Point, char>> labels;
    const char* report; // null when none
};

TEST_F(EngineTest, BranchInformationParsing)
{
    const std::vector<LabelCase> cases = {
        {"aa:A][bb:B", {{{0, 0}, 'A'}, {{1, 1}, 'B'}}, nullptr},
        {"aa:AB", {{{0, 0}, 'A'}}, "错误的分支信息:\r\naa:AB"},
        {"aa:A][", {{{0, 0}, 'A'}}, nullptr},
        {"ta:A", {}, "错误的分支信息:\r\nta:A"},
        {"aa-A", {}, "错误的分支信息:\r\naa-A"},
        {"aa:", {}, "错误的分支信息:\r\naa:"},
        {"ss:1", {{{18, 18}, '1'}}, nullptr},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.info);
        messages.clear();
        load(std::string("(;LB[") + c.info + "])");
        std::vector<std::pair<Point, char>> found;
        for (int col = 0; col < kBoardSize; ++col)
            for (int row = 0; row < kBoardSize; ++row)
                if (labelAt(col, row) != 0)
                    found.push_back({{col, row}, labelAt(col, row)});
        EXPECT_EQ(found, c.labels);
        if (c.report == nullptr) {
            EXPECT_TRUE(messages.boxes.empty());
        } else {
            EXPECT_EQ(messages.texts(), std::vector<std::string>{c.report});
        }
    }
}

TEST_F(EngineTest, TwentyOneLabelsAreReportedOnceAndAllPlaced)
{
    std::string info;
    for (int i = 0; i < 21; ++i) {
        if (i > 0)
            info += "][";
        info += static_cast<char>('a' + i % 19);
        info += static_cast<char>('a' + i / 19);
        info += ':';
        info += static_cast<char>('A' + i);
    }
    load("(;LB[" + info + "])");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "太多选择的分支信息:\r\n" + info.substr(0, 127));
    EXPECT_EQ(engine.branchLabelCount, 21);
    EXPECT_EQ(labelAt(1, 1), 'U');
}

TEST_F(EngineTest, MoreThanTwentyChildrenListTwentyOne)
{
    for (int children : {20, 21, 22}) {
        SCOPED_TRACE(children);
        messages.clear();
        std::string text = "(;";
        for (int i = 0; i < children; ++i)
            text += std::string("(;B[") + static_cast<char>('a' + i % 19) + static_cast<char>('a' + i / 19) + "])";
        load(text + ")");
        EXPECT_EQ(engine.candidateCount, std::min(children, 21));
        EXPECT_EQ(messages.boxes.size(), children > 20 ? 1u : 0u);
        if (children > 20) {
            EXPECT_EQ(messages.boxes[0].text, "太多选择的分支信息:\r\n");
        }
    }
}

TEST_F(EngineTest, AnIllegalColourStopsTheRebuildAndKeepsTheLabels)
{
    load("(;C[root];W[cc]LB[bb:B];B[dd]LB[aa:A])");
    engine.root->firstChild->firstChild->color = 'X';
    engine.stepTo(2, 2);
    EXPECT_EQ(labelAt(1, 1), 'B');
    engine.stepTo(3, 3);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kIllegalStone});
    EXPECT_EQ(engine.stoneCount, 1); // the stones before the bad node stay
    EXPECT_EQ(labelAt(1, 1), 'B');   // the label board is not rebuilt
    EXPECT_EQ(labelAt(0, 0), 0);
}

// What a step leaves behind that later steps and the board depend on, in
// terms that two trees read from one text share.
struct CursorState {
    int pathDepth;
    int stoneCount;
    std::string board;
    Point cursor;
    std::vector<Point> candidates;
    friend bool operator==(const CursorState&, const CursorState&) = default;
};

CursorState stateOf(const JosekiEngine& engine)
{
    return {engine.pathDepth,
            engine.stoneCount,
            std::string(engine.book.board.begin(), engine.book.board.end()),
            Point{engine.cursor->col, engine.cursor->row},
            {engine.candidates.begin(), engine.candidates.begin() + engine.candidateCount}};
}

TEST_F(EngineTest, FollowingForcedMovesEndsWhereSingleStepsEnd)
{
    // From the root (a branch point: nothing to follow), after the choice of
    // the second move (through a tenuki to the branch at W[pc]), at that
    // branch, and from the first move of the third variation (a leaf next).
    const std::vector<std::vector<Point>> starts = {
        {}, {{16, 3}}, {{16, 3}, kNoMovePoint, {14, 2}, {15, 2}}, {{15, 3}}};
    for (const std::vector<Point>& start : starts) {
        load(kTree);
        for (const Point& p : start)
            engine.stepTo(p.col, p.row);
        JosekiEngine stepped(messages);
        loadLibraryText(stepped, kTree);
        for (const Point& p : start)
            stepped.stepTo(p.col, p.row);
        while (stepped.candidateCount == 1)
            stepped.stepTo(stepped.candidates[0].col, stepped.candidates[0].row);

        engine.followForcedMoves();
        EXPECT_EQ(stateOf(engine), stateOf(stepped)) << start.size();
        // Going back up behaves the same as after the single steps.
        engine.upBranch();
        stepped.upBranch();
        EXPECT_EQ(stateOf(engine), stateOf(stepped)) << start.size();
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(EngineTest, MovingToANodeIsSteppingDownToIt)
{
    // Every node of the tree, reached at once and by single steps from the
    // root, then 上分支 from there: the same cursor, choices and board.
    load(kTree);
    JosekiEngine stepped(messages);
    loadLibraryText(stepped, kTree);
    std::vector<const VariationNode*> pending{engine.root};
    while (!pending.empty()) {
        const VariationNode* node = pending.back();
        pending.pop_back();
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
            pending.push_back(child);
        stepped.resetToRoot();
        const std::vector<const VariationNode*> line = book::pathFromRoot(*node);
        for (auto it = line.begin() + 1; it != line.end(); ++it)
            stepped.stepTo((*it)->col, (*it)->row);
        engine.moveTo(*node);
        EXPECT_EQ(engine.cursor, node);
        EXPECT_EQ(stateOf(engine), stateOf(stepped));
        engine.upBranch();
        stepped.upBranch();
        EXPECT_EQ(stateOf(engine), stateOf(stepped));
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(EngineTest, MovingReachesASecondChildAtOnePointAndNoOtherTree)
{
    load("(;(;B[aa]C[first])(;B[aa]C[second]))");
    const VariationNode* second = engine.root->firstChild->nextSibling;
    engine.moveTo(*second);
    EXPECT_STREQ(engine.cursor->comment, "second");
    EXPECT_EQ(engine.pathDepth, 2);

    JosekiEngine other(messages);
    loadLibraryText(other, "(;;B[bb])");
    other.moveTo(*engine.root->firstChild);
    EXPECT_EQ(other.cursor, other.root);
}

TEST_F(EngineTest, NavigationBeforeLoadingDoesNothing)
{
    engine.resetToRoot();
    engine.stepTo(3, 3);
    engine.stepBack();
    engine.upBranch();
    engine.followForcedMoves();
    engine.refreshPosition();
    EXPECT_EQ(engine.cursor, nullptr);
    EXPECT_EQ(engine.stoneCount, 0);
}

TEST_F(EngineTest, ChoicesNestedBeyondTheReservedRoomStayExact)
{
    // Every level branches: a chosen child on each, well past 420 levels.
    constexpr int kLevels = 500;
    std::string text = "(;";
    for (int i = 0; i < kLevels; ++i)
        text += (i % 2 == 0 ? "(;B[tt]" : "(;W[tt]");
    text += "(;B[aa])(;B[bb])";
    for (int i = 0; i < kLevels; ++i)
        text += ")(;B[ss])";
    text += ")";
    load(text);
    for (int i = 0; i < kLevels; ++i)
        engine.stepTo(kNoMove, kNoMove);
    engine.stepTo(1, 1);
    EXPECT_EQ(engine.pathDepth, kLevels + 2);
    EXPECT_EQ(engine.stoneCount, 1);
    EXPECT_EQ(engine.book.at(1, 1), kBlack);
    engine.upBranch();
    engine.upBranch();
    EXPECT_EQ(engine.pathDepth, kLevels);
    for (int i = 0; i < kLevels + 5; ++i)
        engine.stepBack();
    EXPECT_EQ(engine.cursor, engine.root);
    EXPECT_EQ(engine.pathDepth, 1);
}

} // namespace
} // namespace joseki

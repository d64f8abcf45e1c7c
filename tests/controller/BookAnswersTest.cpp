// The book's answers in the browsing controller, on the fake view: both
// options off leave every command as it was; transpositions in the comment
// box and the jump to them; trial play read against the book and 回到定式;
// practice with its board, its answers, the next line and Esc.
#include "core/BoardDiagram.h"
#include "core/BookReplay.h"
#include "core/Coordinates.h"
#include "core/Symmetry.h"
#include "tests/controller/BookFixture.h"
#include "tests/controller/ControllerFixture.h"
#include "tests/support/SystemTexts.h"
#include "ui/controller/ControlIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace joseki::test {
namespace {

constexpr std::uint32_t kSeed = 7;

Point named(const char* name) { return *coordinates::parseBoardName(name); }

std::vector<Point> points(std::initializer_list<const char*> names)
{
    std::vector<Point> list;
    for (const char* name : names)
        list.push_back(named(name));
    return list;
}

// A controller started up on the practice book, with the view it drives.
struct Browser {
    Browser() : controller(view, view, messages, libraryLoad(kPracticeBook), kSeed)
    {
        controller.initialise();
        controller.completeStartup();
    }

    // From the root along moves in SGF letters, clicking each.
    void browseTo(std::initializer_list<const char*> line)
    {
        controller.onCollectStones();
        for (const char* move : line) {
            const Point p = *coordinates::parseSgfName(move);
            if (onBoard(p))
                controller.choosePoint(p.col, p.row);
            else
                controller.onTenuki();
        }
    }
    void click(const char* boardName) { controller.choosePoint(named(boardName).col, named(boardName).row); }
    const VariationNode* cursor() const { return controller.engine().cursor; }
    const VariationNode* at(std::initializer_list<const char*> line) const
    {
        return nodeAt(controller.engine().root, line);
    }

    FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller;
};

// What one frame shows, for comparing two controllers.
std::string sceneOf(BrowserController& controller)
{
    const BoardScene scene = controller.beginPaint();
    std::string text = diagram::print(scene.position.board) + "|" + std::to_string(scene.trialMode) + "|" +
                       std::to_string(scene.stoneCount) + "|" + std::to_string(scene.candidateCount) + "|" +
                       std::to_string(scene.bookMarks.size()) + "|" +
                       std::to_string(scene.tenukiEnabled.value_or(false));
    for (const std::int16_t number : scene.position.moveNumbers)
        text += std::to_string(number) + ",";
    return text;
}

// The moves from the root to a node, which names it in any copy of the tree.
std::vector<Point> lineOf(const VariationNode* node)
{
    std::vector<Point> line;
    for (const VariationNode* p : book::pathFromRoot(*node))
        line.push_back(Point{p->col, p->row});
    return line;
}

TEST(BookAnswersTest, WithBothOptionsOffEveryCommandShowsWhatItShowedBefore)
{
    // One controller never touches the book's answers; the other turns both
    // options on, practises, and turns them off again. From then on the two
    // must call the view alike and draw the same frames.
    Browser untouched;
    Browser switched;
    BrowserController& c = switched.controller;
    c.onToggleTranspositions();
    c.onToggleTrialCheck();
    switched.browseTo({"dd"});
    c.onPractice(kWhite);
    ASSERT_TRUE(c.practising());
    c.onPracticeEnd();
    c.onToggleTranspositions();
    c.onToggleTrialCheck();
    untouched.browseTo({"dd"});
    for (Browser* browser : {&untouched, &switched}) {
        browser->view.calls.clear();
        browser->view.commentText.clear();
    }

    const std::vector<std::function<void(Browser&)>> script = {
        [](Browser& b) { b.click("C14"); },
        [](Browser& b) { b.click("F17"); },
        [](Browser& b) { b.controller.onTrialStart(); },
        [](Browser& b) { b.click("C12"); },
        [](Browser& b) { b.click("R3"); },
        [](Browser& b) { b.controller.onBack(); },
        [](Browser& b) { b.controller.onBackToBook(); },
        [](Browser& b) { b.controller.onTrialEnd(); },
        [](Browser& b) {
            b.browseTo({"fc", "cf", "dd"});
        },
        [](Browser& b) { b.controller.onGoToTransposition(); },
        [](Browser& b) { b.controller.onUpBranch(); },
    };
    for (std::size_t step = 0; step < script.size(); ++step) {
        SCOPED_TRACE(step);
        script[step](untouched);
        script[step](switched);
        EXPECT_EQ(switched.view.calls, untouched.view.calls);
        EXPECT_EQ(switched.view.commentText, untouched.view.commentText);
        EXPECT_EQ(switched.view.enabled, untouched.view.enabled);
        EXPECT_EQ(switched.view.captions, untouched.view.captions);
        EXPECT_EQ(lineOf(switched.cursor()), lineOf(untouched.cursor()));
        EXPECT_EQ(sceneOf(switched.controller), sceneOf(untouched.controller)); // no book marks among them
    }
    // Trial play said only what it always said.
    untouched.controller.onTrialStart();
    EXPECT_EQ(untouched.view.commentText, texts::kTrialNotice);
}

TEST(BookAnswersTest, TranspositionsInTheCommentBoxAndTheJumpToThem)
{
    Browser b;
    b.browseTo({"fc", "cf", "dd"});
    EXPECT_EQ(b.view.commentText, "另一种次序");
    b.controller.onGoToTransposition(); // the option is off: nothing
    EXPECT_EQ(b.cursor(), b.at({"fc", "cf", "dd"}));

    b.controller.onToggleTranspositions();
    EXPECT_EQ(b.view.commentText, "另一种次序\r\n同形变化：\r\n黑D16 白C14 黑F17");
    b.controller.onGoToTransposition();
    EXPECT_EQ(b.cursor(), b.at({"dd", "cf", "fc"}));
    EXPECT_EQ(b.view.commentText, "小飞守角\r\n同形变化：\r\n黑F17 白C14 黑D16");
    // The choices on the way were recorded as clicks would have: 上分支 leaves the enclosure's variation.
    b.controller.onUpBranch();
    EXPECT_EQ(b.cursor(), b.at({"dd", "cf"}));

    // Three places in other corners and colours, visited in turn.
    b.controller.onGoToTransposition();
    EXPECT_EQ(b.cursor(), b.at({"pd", "qf"}));
    EXPECT_EQ(b.view.commentText, "右上角\r\n同形变化：\r\n黑D16 白C14（方向不同）\r\n白D4 黑C6（方向不同，黑白互换）");

    b.controller.onToggleTranspositions();
    EXPECT_EQ(b.view.commentText, "右上角");
}

TEST(BookAnswersTest, TrialPlayReadAgainstTheBookAndBackToIt)
{
    Browser b;
    b.browseTo({"dd"});
    b.controller.onTrialStart();
    EXPECT_EQ(b.view.commentText, texts::kTrialNotice);
    b.controller.onToggleTrialCheck();
    EXPECT_EQ(b.view.commentText,
              "仍在定式库中。\r\n星位\r\n定式库的下一手：白C14（定式1条、变化1条、未标注2条），白C17（骗着1条）");
    EXPECT_EQ(b.controller.beginPaint().bookMarks, points({"C14", "F17", "C17"}));

    b.click("C14");
    EXPECT_EQ(b.view.commentText, "仍在定式库中。\r\n小飞挂\r\n定式库的下一手：黑F17（定式1条），黑C11（变化1条）");
    EXPECT_EQ(b.controller.beginPaint().bookMarks, points({"F17", "C11"}));

    b.click("R3");
    EXPECT_EQ(b.view.commentText, "第2手黑R3离开了定式库。\r\n定式库在此处下：黑F17（定式1条），黑C11（变化1条）\r\n"
                                  "定式库中的位置：黑D16 白C14");
    EXPECT_TRUE(b.controller.beginPaint().bookMarks.empty());
    b.controller.onBackToBook(); // out of the book: nothing
    EXPECT_EQ(b.controller.display().trialMode, 1);

    b.controller.onBack();
    b.click("F17");
    EXPECT_EQ(b.controller.book().trialBookNode(), b.at({"dd", "cf", "fc"}));
    b.controller.onBackToBook();
    EXPECT_EQ(b.controller.display().trialMode, 0);
    EXPECT_EQ(b.cursor(), b.at({"dd", "cf", "fc"}));
    EXPECT_EQ(b.view.commentText, "小飞守角");
    EXPECT_FALSE(b.view.enabled.at(kTrialEndButton));
    EXPECT_EQ(b.controller.engine().stoneCount, 3);

    // Switched off during trial play, the trial says only what it always said.
    b.controller.onTrialStart();
    b.controller.onToggleTrialCheck();
    EXPECT_EQ(b.view.commentText, texts::kTrialNotice);
    EXPECT_TRUE(b.controller.beginPaint().bookMarks.empty());
}

TEST(BookAnswersTest, PracticeCoversTheBookUntilEsc)
{
    Browser b;
    b.browseTo({"dd"});
    b.controller.onPractice(kWhite);
    ASSERT_TRUE(b.controller.practising());
    EXPECT_FALSE(b.controller.browsing());
    EXPECT_EQ(b.view.commentText, "练习本变化：您执白。\r\n轮到您下。");
    const BoardScene scene = b.controller.beginPaint();
    EXPECT_EQ(scene.trialMode, 1);
    EXPECT_EQ(scene.candidateCount, 0);
    EXPECT_EQ(scene.tenukiEnabled, std::optional<bool>(true));
    for (const int id : {kCollectButton, kUpBranchButton, kAutoPlayButton, kTrialButton, kTrialEndButton})
        EXPECT_FALSE(b.view.enabled.at(id)) << id;

    // The book's commands leave the book where practice began.
    b.controller.onCollectStones();
    b.controller.onUpBranch();
    b.controller.onTrialStart();
    b.controller.onForward();
    b.controller.onNext();
    b.controller.onBack();
    EXPECT_EQ(b.cursor(), b.at({"dd"}));
    EXPECT_TRUE(b.controller.practising());
    EXPECT_EQ(b.controller.display().trialMode, 0);

    b.controller.onTenuki();
    EXPECT_EQ(b.view.commentText, "练习本变化：您执白。\r\n白脱先不在定式库中。此处已错1次，请再试。");
    b.click("C17");
    EXPECT_EQ(b.view.commentText,
              "您：白C17。\r\n【骗着】白直接点三三。\r\n对方：黑D17。\r\n黑挡，正确。\r\n轮到您下。");
    b.click("C16");
    EXPECT_EQ(b.view.commentText, "您：白C16。\r\n对方：黑D15。\r\n白被封锁。【骗着】\r\n"
                                  "练习结束：一次找到1手，错1次，本变化的结论：骗着。\r\n"
                                  "单击棋盘练习下一个变化，按Esc结束练习。");
    // A click after the report begins the next line from the same position.
    b.click("L10");
    EXPECT_EQ(b.view.commentText, "练习本变化：您执白。\r\n轮到您下。");
    EXPECT_EQ(b.controller.book().practice().node(), b.at({"dd"}));

    b.controller.onPracticeEnd();
    EXPECT_FALSE(b.controller.practising());
    EXPECT_EQ(b.cursor(), b.at({"dd"}));
    EXPECT_EQ(b.view.commentText, "星位");
    EXPECT_EQ(b.controller.beginPaint().trialMode, 0);
    EXPECT_TRUE(b.view.enabled.at(kCollectButton));
}

TEST(BookAnswersTest, RandomPracticeTurnsTheBoardTheSameWayForTheSameSeed)
{
    Browser first;
    Browser second;
    for (Browser* b : {&first, &second}) {
        b->browseTo({"dd", "cc"});
        b->controller.onRandomPractice();
        ASSERT_TRUE(b->controller.practising());
    }
    const PracticeSetup& setup = first.controller.book().practice().setup();
    EXPECT_EQ(setup.orientation, second.controller.book().practice().setup().orientation);
    EXPECT_TRUE(setup.randomOrientation);
    EXPECT_EQ(setup.student, turnColour(kBlack, setup.orientation));
    EXPECT_EQ(first.controller.beginPaint().position.board,
              turnStones(*PositionIndex::stonesAfter(*first.at({"dd", "cc"})), setup.orientation));
    // The refutation, turned as the board is.
    const Point block = symmetry::transform(named("D17"), setup.orientation.symmetry);
    first.controller.choosePoint(block.col, block.row);
    EXPECT_EQ(first.controller.book().practice().foundAtFirstTry(), 1);
}

TEST(BookAnswersTest, PracticeNeedsTheBookToGoOnAndTheBookToBeShown)
{
    Browser b;
    b.browseTo({"dd", "cf", "fc", "ch"});
    b.controller.onPractice(kBlack);
    EXPECT_FALSE(b.controller.practising());
    b.browseTo({"dd"});
    b.controller.onTrialStart();
    b.controller.onPractice(kWhite);
    EXPECT_FALSE(b.controller.practising());
}

TEST(BookAnswersTest, PracticeStartedDuringAutoPlayEndsIt)
{
    Browser b;
    b.browseTo({"dd", "cc"});
    const VariationNode* start = nullptr;
    b.view.onDispatch = [&b, &start](int dispatch) {
        if (dispatch == 1) {
            start = b.cursor();
            b.controller.onPractice(kWhite);
        }
        return true;
    };
    b.controller.onAutoPlay();
    EXPECT_TRUE(b.controller.practising());
    EXPECT_EQ(b.cursor(), start);
    EXPECT_EQ(b.controller.book().practice().setup().start, start);
}

} // namespace
} // namespace joseki::test

#include "tests/controller/ControllerFixture.h"

#include "tests/support/SystemTexts.h"
#include "ui/controller/ControlIds.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace joseki::test {
namespace {

using namespace texts;

// Enabled states and captions that refreshControls sets.
struct Controls {
    bool collect;
    bool upBranch;
    bool autoPlay;
    bool trial;
    std::string trialCaption;
    bool trialEnd;
};

void expectControls(const FakeBrowserView& view, const Controls& expected, const std::string& where)
{
    SCOPED_TRACE(where);
    EXPECT_EQ(view.enabled.at(kCollectButton), expected.collect);
    EXPECT_EQ(view.enabled.at(kUpBranchButton), expected.upBranch);
    EXPECT_EQ(view.enabled.at(kAutoPlayButton), expected.autoPlay);
    EXPECT_EQ(view.enabled.at(kSpeedEdit), expected.autoPlay);
    EXPECT_EQ(view.enabled.at(kSpeedSpin), expected.autoPlay);
    EXPECT_EQ(view.enabled.at(kTrialButton), expected.trial);
    EXPECT_EQ(view.captions.at(kTrialButton), expected.trialCaption);
    EXPECT_EQ(view.enabled.at(kTrialEndButton), expected.trialEnd);
}

TEST_F(ControllerTest, InitialiseWritesSpeedFiveAndOptions)
{
    controller.initialise();
    ASSERT_EQ(view.written.size(), 1u);
    EXPECT_EQ(view.written[0].autoPlaySpeed, 5);
    EXPECT_EQ(view.written[0].showCoordinates, 1);
    EXPECT_EQ(view.written[0].boardTexture, 0);
    EXPECT_EQ(controller.display().autoPlaySpeed, 5);
}

TEST_F(ControllerTest, StartupShowsRootWithWelcomeText)
{
    const Rect frame{10, 20, 300, 310};
    view.boardFrame = frame;
    startUp();

    EXPECT_TRUE(controller.loaded());
    EXPECT_EQ(controller.engine().cursor, controller.engine().root);
    EXPECT_EQ(controller.engine().stoneCount, 0);
    EXPECT_EQ(controller.display().moveNumberMode, 5);
    EXPECT_EQ(view.comboSelections, std::vector<std::string>{kDefaultMoveNumberEntry});
    EXPECT_EQ(view.commentText, kWelcome); // the root has no text
    EXPECT_EQ(view.showCount, 1);
    EXPECT_EQ(view.invalidateAllCount, 1);
    ASSERT_EQ(view.invalidatedRects.size(), 1u);
    EXPECT_EQ(view.invalidatedRects[0], frame);
    expectControls(view, {false, false, true, false, kTrialCaption, false}, "start-up");
    // Window shown, then refreshed, then the whole client area repainted.
    const auto show = std::find(view.calls.begin(), view.calls.end(), "show");
    const auto refresh = std::find(view.calls.begin(), view.calls.end(), "invalidate");
    EXPECT_LT(show, refresh);
    EXPECT_EQ(view.calls.back(), "invalidateAll");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ControllerTest, StartupRunsOnce)
{
    int loads = 0;
    BrowserController once(view, view, messages, [&loads](JosekiEngine& engine) {
        ++loads;
        loadLibraryText(engine, kBrowsingLibrary);
    });
    once.completeStartup();
    once.onNext();
    once.completeStartup();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(once.engine().stoneCount, 1);
}

// One command after another from start-up, with what the window shows after each.
struct CommandStep {
    const char* name;
    std::function<void(BrowserController&)> command;
    bool refreshes;
    int stoneCount;
    std::string comment;
    Controls controls;
    int boxes;
};

TEST_F(ControllerTest, CommandsUpdateControlsAndComment)
{
    startUp();
    const std::string dName = "\r\nD name";
    // clang-format off
    const std::vector<CommandStep> steps = {
        {"next to A", [](BrowserController& c) { c.onNext(); }, true, 1, kWelcome,
         {true, true, true, true, kTrialCaption, false}, 0},
        {"next to B", [](BrowserController& c) { c.onNext(); }, true, 2, kWelcome,
         {true, true, true, true, kTrialCaption, false}, 0},
        {"next to C", [](BrowserController& c) { c.onNext(); }, true, 3, "C comment",
         {true, true, false, true, kTrialCaption, false}, 0},
        {"next to D", [](BrowserController& c) { c.onNext(); }, true, 4, dName,
         {true, true, false, true, kTrialCaption, false}, 0},
        {"next at branch", [](BrowserController& c) { c.onNext(); }, false, 4, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"click off the candidates", [](BrowserController& c) { c.choosePoint(9, 9); }, false, 4, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"click an occupied non-candidate", [](BrowserController& c) { c.choosePoint(3, 3); }, false, 4, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"click E2", [](BrowserController& c) { c.choosePoint(kPointE2.col, kPointE2.row); }, true, 5, dName,
         {true, true, true, true, kTrialCaption, false}, 1},
        {"tenuki to G", [](BrowserController& c) { c.onTenuki(); }, true, 5, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"tenuki without a tenuki child", [](BrowserController& c) { c.onTenuki(); }, true, 5, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"next to H", [](BrowserController& c) { c.onNext(); }, true, 6, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"next at the leaf", [](BrowserController& c) { c.onNext(); }, false, 6, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"up to E2", [](BrowserController& c) { c.onUpBranch(); }, true, 5, dName,
         {true, true, true, true, kTrialCaption, false}, 1},
        {"back to D", [](BrowserController& c) { c.onBack(); }, true, 4, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"click E1", [](BrowserController& c) { c.choosePoint(kPointE1.col, kPointE1.row); }, true, 5, dName,
         {true, true, false, true, kTrialCaption, false}, 1},
        {"next to F", [](BrowserController& c) { c.onNext(); }, true, 6, "F comment\r\nend",
         {true, true, false, true, kTrialCaption, false}, 1},
        {"collect stones", [](BrowserController& c) { c.onCollectStones(); }, true, 0, "F comment\r\nend",
         {false, false, true, false, kTrialCaption, false}, 1},
        {"back at the root", [](BrowserController& c) { c.onBack(); }, true, 0, "F comment\r\nend",
         {false, false, true, false, kTrialCaption, false}, 1},
    };
    // clang-format on
    for (const CommandStep& step : steps) {
        const std::size_t refreshesBefore = view.invalidatedRects.size();
        step.command(controller);
        SCOPED_TRACE(step.name);
        EXPECT_EQ(view.invalidatedRects.size() - refreshesBefore, step.refreshes ? 1u : 0u);
        EXPECT_EQ(controller.engine().stoneCount, step.stoneCount);
        EXPECT_EQ(view.commentText, step.comment);
        expectControls(view, step.controls, step.name);
        EXPECT_EQ(static_cast<int>(messages.boxes.size()), step.boxes);
    }
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, kSeveralBranches);
    EXPECT_EQ(messages.boxes[0].flags, mb::kOk);
    // Only the painter sets the tenuki button.
    EXPECT_EQ(std::count(view.enableCalls.begin(), view.enableCalls.end(), kTenukiButton), 0);
}

TEST_F(ControllerTest, UpBranchReturnsToChosenVariation)
{
    startUp();
    walkToBranch();
    controller.choosePoint(kPointE1.col, kPointE1.row);
    controller.onNext();
    controller.onUpBranch();
    ASSERT_NE(controller.engine().cursor, nullptr);
    EXPECT_EQ(controller.engine().cursor->col, kPointE1.col);
    EXPECT_EQ(controller.engine().cursor->row, kPointE1.row);
    controller.onUpBranch();
    EXPECT_EQ(controller.engine().cursor, controller.engine().root);
}

// The auto-play group needs trial play off and the next two moves forced.
struct GroupCase {
    const char* name;
    const char* library;
    bool enabled;
};

TEST(AutoPlayGroupTest, EnabledOnlyWhenNextTwoMovesAreForced)
{
    const GroupCase cases[] = {
        {"two forced moves", "(;;B[dd];W[ee])", true},
        {"forced move then a branch", "(;;B[dd](;W[ee])(;W[ff]))", false},
        {"a single leaf", "(;;B[dd])", false},
        {"a branch at the root", "(;(;B[dd];W[ee])(;B[pd]))", false},
        {"tenuki then a move", "(;;B[tt];W[ee])", true},
    };
    for (const GroupCase& c : cases) {
        FakeBrowserView view;
        RecordingMessageService messages;
        BrowserController controller(view, view, messages, libraryLoad(c.library));
        controller.completeStartup();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(view.enabled.at(kAutoPlayButton), c.enabled);
        EXPECT_EQ(view.enabled.at(kSpeedEdit), c.enabled);
        EXPECT_EQ(view.enabled.at(kSpeedSpin), c.enabled);
    }
}

TEST_F(ControllerTest, TrialStartRestartAndEnd)
{
    startUp();
    walkToBranch(); // D: four book stones, black plays the next
    const auto bookBoard = controller.engine().book.board;
    const VariationNode* cursor = controller.engine().cursor;

    controller.onTrialStart();
    EXPECT_EQ(controller.display().trialMode, 1);
    EXPECT_EQ(controller.trialBoard().startBoard, bookBoard);
    EXPECT_EQ(controller.trialBoard().baseStoneCount, 4);
    EXPECT_EQ(view.commentText, kTrialNotice);
    expectControls(view, {false, false, false, false, kTrialCaption, true}, "trial started");

    const std::size_t refreshes = view.invalidatedRects.size();
    controller.choosePoint(3, 3); // a book stone
    EXPECT_EQ(view.invalidatedRects.size(), refreshes);
    EXPECT_EQ(controller.trialBoard().moveCount, 0);

    controller.choosePoint(10, 10);
    EXPECT_EQ(controller.trialBoard().position.at(10, 10), kBlack);
    expectControls(view, {false, false, false, true, kTrialAgainCaption, true}, "one trial stone");

    controller.onTrialStart(); // pressed as 重新试下
    EXPECT_EQ(controller.trialBoard().moveCount, 0);
    EXPECT_EQ(controller.trialBoard().position.board, bookBoard);
    expectControls(view, {false, false, false, false, kTrialCaption, true}, "trial again");

    controller.choosePoint(10, 10);
    controller.choosePoint(11, 11);
    EXPECT_EQ(controller.trialBoard().position.at(11, 11), kWhite);
    controller.onBack();
    EXPECT_EQ(controller.trialBoard().moveCount, 1);
    EXPECT_EQ(controller.trialBoard().position.at(11, 11), kEmpty);
    EXPECT_EQ(controller.engine().cursor, cursor); // right click undoes, never steps back

    controller.onTrialRestart();
    EXPECT_EQ(controller.trialBoard().moveCount, 0);
    controller.onBack(); // nothing to undo
    EXPECT_EQ(controller.trialBoard().position.board, bookBoard);
    expectControls(view, {false, false, false, false, kTrialCaption, true}, "after restart");

    controller.choosePoint(10, 10);
    controller.onTrialEnd();
    EXPECT_EQ(controller.display().trialMode, 0);
    EXPECT_EQ(controller.trialBoard().moveCount, 0);
    EXPECT_EQ(controller.engine().cursor, cursor);
    EXPECT_EQ(controller.engine().book.board, bookBoard);
    EXPECT_EQ(view.commentText, "\r\nD name");
    expectControls(view, {true, true, false, true, kTrialCaption, false}, "trial ended");
}

TEST_F(ControllerTest, TrialEndOnNodeWithoutTextKeepsNotice)
{
    startUp();
    walkToBranch();
    controller.choosePoint(kPointE1.col, kPointE1.row); // E1 has no text
    controller.onTrialStart();
    controller.onTrialEnd();
    EXPECT_EQ(view.commentText, kTrialNotice);
}

TEST_F(ControllerTest, TrialColourFollowsBookStonesPastTenuki)
{
    startUp();
    walkToBranch();
    controller.choosePoint(kPointE2.col, kPointE2.row);
    controller.onTenuki(); // G: a white tenuki, five stones on the board
    ASSERT_EQ(controller.engine().stoneCount, 5);
    controller.onTrialStart();
    controller.choosePoint(10, 10);
    EXPECT_EQ(controller.trialBoard().position.at(10, 10), kWhite);
}

TEST_F(ControllerTest, TenukiInTrialMovesBookCursorOnly)
{
    startUp();
    walkToBranch();
    controller.choosePoint(kPointE2.col, kPointE2.row);
    controller.onTrialStart();
    controller.choosePoint(10, 10);
    const auto trialBoard = controller.trialBoard().position.board;
    controller.onTenuki();
    EXPECT_EQ(controller.engine().cursor->col, kNoMove);
    EXPECT_EQ(controller.trialBoard().position.board, trialBoard);
    EXPECT_EQ(view.commentText, kTrialNotice);
}

TEST_F(ControllerTest, MoveNumberChoiceAndOptions)
{
    startUp();
    const struct {
        int index;
        int mode;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 5}, {4, 10}, {5, 1000}, {-1, 1000}, {6, 1000}};
    for (const auto& c : cases) {
        const std::size_t refreshes = view.invalidatedRects.size();
        controller.onMoveNumberChoice(c.index);
        EXPECT_EQ(controller.display().moveNumberMode, c.mode) << "index " << c.index;
        EXPECT_EQ(view.invalidatedRects.size(), refreshes + 1) << "index " << c.index;
    }

    view.controls = ControlValues{7, 0, 2};
    controller.onOptionToggled();
    EXPECT_EQ(controller.display().showCoordinates, 0);
    EXPECT_EQ(controller.display().boardTexture, 2);
    EXPECT_EQ(controller.display().autoPlaySpeed, 7);
}

TEST_F(ControllerTest, HelpShowsMessageWithoutRefresh)
{
    startUp();
    const std::size_t calls = view.callCount();
    controller.onHelp();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, kHelp);
    EXPECT_EQ(messages.boxes[0].flags, mb::kOk);
    EXPECT_EQ(view.callCount(), calls);
}

// Every command, for the tests that check that none of them acts.
const std::vector<std::pair<const char*, std::function<void(BrowserController&)>>> kAllCommands = {
    {"collect", [](BrowserController& c) { c.onCollectStones(); }},
    {"up branch", [](BrowserController& c) { c.onUpBranch(); }},
    {"tenuki", [](BrowserController& c) { c.onTenuki(); }},
    {"auto-play", [](BrowserController& c) { c.onAutoPlay(); }},
    {"move numbers", [](BrowserController& c) { c.onMoveNumberChoice(0); }},
    {"trial start", [](BrowserController& c) { c.onTrialStart(); }},
    {"trial end", [](BrowserController& c) { c.onTrialEnd(); }},
    {"options", [](BrowserController& c) { c.onOptionToggled(); }},
    {"click", [](BrowserController& c) { c.choosePoint(3, 3); }},
    {"back", [](BrowserController& c) { c.onBack(); }},
    {"next", [](BrowserController& c) { c.onNext(); }},
    {"trial restart", [](BrowserController& c) { c.onTrialRestart(); }},
    {"help", [](BrowserController& c) { c.onHelp(); }},
};

TEST_F(ControllerTest, CommandsBeforeLoadDoNothing)
{
    controller.initialise();
    const std::size_t calls = view.callCount();
    for (const auto& [name, command] : kAllCommands) {
        command(controller);
        EXPECT_EQ(view.callCount(), calls) << name;
    }
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(controller.display().moveNumberMode, 5);
    EXPECT_EQ(controller.display().trialMode, 0);
    EXPECT_EQ(controller.engine().cursor, nullptr);
}

TEST(LoadReentryTest, CommandsDuringLoadDoNothing)
{
    // A message box inside the load keeps messages flowing: commands then find
    // the library not loaded yet.
    FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController* self = nullptr;
    std::size_t callsDuringLoad = 0;
    BrowserController controller(view, view, messages, [&](JosekiEngine& engine) {
        loadLibraryText(engine, kBrowsingLibrary);
        const std::size_t before = view.callCount();
        for (const auto& entry : kAllCommands)
            entry.second(*self);
        callsDuringLoad = view.callCount() - before;
    });
    self = &controller;
    controller.completeStartup();
    EXPECT_EQ(callsDuringLoad, 0u);
    EXPECT_EQ(controller.engine().cursor, controller.engine().root);
    EXPECT_EQ(controller.display().trialMode, 0);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(EmptyLoadTest, ControllerStaysUsableWithoutTree)
{
    FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller(view, view, messages, [](JosekiEngine& engine) {
        // A fatal library error: reported, process exit recorded, no tree.
        engine.messages().showMessageBox("数据文件错误：", mb::kOk);
        engine.messages().exitProcess(kFatalLibraryExitStatus);
    });
    controller.initialise();
    controller.completeStartup();
    EXPECT_TRUE(controller.loaded());
    EXPECT_EQ(view.commentText, kWelcome);
    expectControls(view, {false, false, false, false, kTrialCaption, false}, "no tree");

    const std::size_t refreshes = view.invalidatedRects.size();
    for (const auto& [name, command] : kAllCommands) {
        if (std::string(name) == "help")
            continue;
        command(controller);
        SCOPED_TRACE(name);
        EXPECT_EQ(controller.engine().cursor, nullptr);
        EXPECT_EQ(controller.display().trialMode, 0);
        EXPECT_EQ(controller.engine().stoneCount, 0);
    }
    // Commands that need a cursor did not refresh; the others still work.
    EXPECT_EQ(view.invalidatedRects.size(), refreshes + 4); // move numbers, trial end, options, trial restart
    for (const std::int8_t code : controller.engine().book.board)
        ASSERT_EQ(code, kEmpty);
    controller.onHelp();
    EXPECT_EQ(messages.boxes.back().text, kHelp);
}

} // namespace
} // namespace joseki::test

namespace joseki::test {
namespace {

TEST_F(ControllerTest, EachPaintOfTheBookSetsTheTenukiButton)
{
    startUp();
    EXPECT_FALSE(controller.beginPaint().tenukiEnabled.value_or(true));
    EXPECT_FALSE(view.enabled.at(kTenukiButton)); // no tenuki at the root
    walkToBranch();
    controller.choosePoint(kPointE2.col, kPointE2.row);
    ASSERT_TRUE(controller.beginPaint().tenukiEnabled.value_or(false));
    EXPECT_TRUE(view.enabled.at(kTenukiButton)); // G is a tenuki child of E2

    // Trial play paints no book position: the button keeps its state.
    controller.onTrialStart();
    const std::size_t calls = view.enableCalls.size();
    EXPECT_FALSE(controller.beginPaint().tenukiEnabled.has_value());
    EXPECT_EQ(view.enableCalls.size(), calls);
    EXPECT_TRUE(view.enabled.at(kTenukiButton));
}

TEST_F(ControllerTest, PaintingResetsATextureOutOfRange)
{
    startUp();
    for (const int texture : {3, -1, 7}) {
        view.controls = ControlValues{5, 1, texture};
        controller.onOptionToggled();
        EXPECT_EQ(controller.display().boardTexture, texture);
        EXPECT_EQ(controller.beginPaint().boardTexture, 0) << texture;
        EXPECT_EQ(controller.display().boardTexture, 0) << texture;
    }
    view.controls = ControlValues{5, 1, 2};
    controller.onOptionToggled();
    EXPECT_EQ(controller.beginPaint().boardTexture, 2);
}

TEST(PaintBeforeLoadTest, NoTenukiDecisionWithoutALibrary)
{
    FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller(view, view, messages, [](JosekiEngine&) {});
    const BoardScene scene = controller.beginPaint();
    EXPECT_FALSE(scene.loaded);
    EXPECT_FALSE(scene.tenukiEnabled.has_value());
    EXPECT_TRUE(view.enableCalls.empty());
}

} // namespace
} // namespace joseki::test

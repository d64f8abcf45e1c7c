// The keys and the wheel of the board: which command a key runs in which
// state, and what the commands of the keys do.
#include "tests/controller/ControllerFixture.h"

#include "ui/controller/BoardInput.h"
#include "ui/controller/ControlIds.h"

#include <climits>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace joseki::test {
namespace {

using B = BrowserCommand;
using K = BoardKey;

// The tree of the key tests, with labels and a tenuki at its branch point:
//
//   root "root"
//    A  B dd (3,3)
//    B  W fc (5,2)
//    C  B cf (2,5)  labels cc:A, dc:b        branch point
//    ├ W cc (2,2)  label A  ── B cd ── W dc   leaf
//    ├ W dc (3,2)  label b  "b line"         leaf
//    ├ W ee (4,4)  no label                  leaf
//    └ W tenuki ── B qq (16,16)              leaf
constexpr const char* kKeyLibrary = "(;C[root];B[dd];W[fc];B[cf]LB[cc:A][dc:b]"
                                    "(;W[cc];B[cd];W[dc])(;W[dc]C[b line])(;W[ee])(;W[tt];B[qq]))";

constexpr Point kLabelA{2, 2};
constexpr Point kLabelB{3, 2};
constexpr Point kUnlabelled{4, 4};

KeyStroke key(BoardKey which) { return KeyStroke{which}; }
KeyStroke letter(char c) { return KeyStroke{K::Letter, c}; }

enum class State {
    NotLoaded,
    Root,
    Branch,
    Highlighted,
    Leaf,
    TrialFresh,
    TrialPlayed,
    FewestNumbers,
    MostNumbers,
    TitlePicture,
};

struct KeyCase {
    State state;
    KeyStroke stroke;
    std::optional<BrowserCommand> command;
};

const char* nameOf(State state)
{
    constexpr const char* kNames[] = {"not loaded",   "root",         "branch point",      "highlighted",
                                      "leaf",         "fresh trial",  "trial with a move", "fewest numbers",
                                      "most numbers", "title picture"};
    return kNames[static_cast<int>(state)];
}

// A controller of its own with its board input, on the key library.
struct Session {
    Session() : controller(view, view, messages, libraryLoad(kKeyLibrary)) {}

    // Start-up and the first paint of the root, as the window gives them.
    void atRoot()
    {
        controller.initialise();
        controller.completeStartup();
        controller.beginPaint();
    }
    // The branch point C, painted.
    void atBranch()
    {
        atRoot();
        controller.onToBranchPoint();
        controller.beginPaint();
    }
    // Brings the controller into the state; returns whether the title picture is up.
    bool enter(State state)
    {
        switch (state) {
        case State::NotLoaded:
            return false;
        case State::Root:
            atRoot();
            return false;
        case State::Branch:
        case State::TitlePicture:
            atBranch();
            return state == State::TitlePicture;
        case State::Highlighted:
            atBranch();
            controller.onHighlightNext();
            return false;
        case State::Leaf:
            atBranch();
            controller.choosePoint(kUnlabelled.col, kUnlabelled.row);
            controller.beginPaint();
            return false;
        case State::TrialFresh:
        case State::TrialPlayed:
            atBranch();
            controller.onTrialStart();
            if (state == State::TrialPlayed)
                controller.choosePoint(9, 9);
            return false;
        case State::FewestNumbers:
        case State::MostNumbers:
            atRoot();
            controller.onMoveNumberChoice(state == State::FewestNumbers ? 0 : 5);
            return false;
        }
        return false;
    }

    const VariationNode* node() const { return controller.engine().cursor; }
    Point cursorPoint() const { return Point{node()->col, node()->row}; }

    FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller;
    BoardInput input{controller};
};

// clang-format off
const KeyCase kKeyCases[] = {
    // Before the load nothing runs.
    {State::NotLoaded, key(K::Left), std::nullopt},
    {State::NotLoaded, key(K::Right), std::nullopt},
    {State::NotLoaded, key(K::F7), std::nullopt},
    {State::NotLoaded, key(K::Minus), std::nullopt},
    {State::NotLoaded, key(K::Copy), std::nullopt},
    // The root: one continuation, 收子 and 上分支 disabled, auto-play enabled,
    // no tenuki after the first paint, no stone for trial play.
    {State::Root, key(K::Left), std::nullopt},
    {State::Root, key(K::Right), B::Forward},
    {State::Root, key(K::Down), B::HighlightNext},
    {State::Root, key(K::Up), std::nullopt},
    {State::Root, key(K::PageUp), std::nullopt},
    {State::Root, key(K::Home), std::nullopt},
    {State::Root, key(K::End), B::ToBranchPoint},
    {State::Root, letter('A'), std::nullopt},
    {State::Root, key(K::F2), std::nullopt},
    {State::Root, key(K::F3), B::AutoPlay},
    {State::Root, key(K::F5), std::nullopt},
    {State::Root, key(K::F6), std::nullopt},
    {State::Root, key(K::Minus), B::FewerNumbers},
    {State::Root, key(K::Plus), B::MoreNumbers},
    {State::Root, key(K::F7), B::Coordinates},
    {State::Root, key(K::F8), B::Texture},
    {State::Root, key(K::Copy), B::CopyLine},
    // The branch point: four continuations, two of them labelled, one a tenuki.
    {State::Branch, key(K::Left), B::Back},
    {State::Branch, key(K::Right), std::nullopt},
    {State::Branch, key(K::Down), B::HighlightNext},
    {State::Branch, key(K::Up), B::UpBranch},
    {State::Branch, key(K::PageUp), B::UpBranch},
    {State::Branch, key(K::Home), B::CollectStones},
    {State::Branch, key(K::End), std::nullopt},
    {State::Branch, letter('A'), B::StepToLabel},
    {State::Branch, letter('B'), B::StepToLabel},
    {State::Branch, letter('C'), std::nullopt},
    {State::Branch, key(K::F2), B::Tenuki},
    {State::Branch, key(K::F3), std::nullopt},
    {State::Branch, key(K::F5), B::Trial},
    {State::Branch, key(K::F6), std::nullopt},
    {State::Highlighted, key(K::Right), B::Forward},
    {State::Highlighted, key(K::Down), B::HighlightNext},
    // A leaf: nothing ahead.
    {State::Leaf, key(K::Left), B::Back},
    {State::Leaf, key(K::Right), std::nullopt},
    {State::Leaf, key(K::Down), std::nullopt},
    {State::Leaf, key(K::End), std::nullopt},
    {State::Leaf, key(K::F2), std::nullopt},
    // Trial play: the book's cursor commands are off; 脱先 keeps the last book paint.
    {State::TrialFresh, key(K::Left), std::nullopt},
    {State::TrialFresh, key(K::Right), std::nullopt},
    {State::TrialFresh, key(K::Down), std::nullopt},
    {State::TrialFresh, key(K::Up), std::nullopt},
    {State::TrialFresh, key(K::Home), std::nullopt},
    {State::TrialFresh, key(K::End), std::nullopt},
    {State::TrialFresh, letter('A'), std::nullopt},
    {State::TrialFresh, key(K::F2), B::Tenuki},
    {State::TrialFresh, key(K::F5), std::nullopt},
    {State::TrialFresh, key(K::F6), B::TrialEnd},
    {State::TrialFresh, key(K::F7), B::Coordinates},
    {State::TrialFresh, key(K::Copy), B::CopyLine},
    {State::TrialPlayed, key(K::Left), B::Back},
    {State::TrialPlayed, key(K::Right), std::nullopt},
    {State::TrialPlayed, key(K::F5), B::Trial},
    // The ends of the 手数 list.
    {State::FewestNumbers, key(K::Minus), std::nullopt},
    {State::FewestNumbers, key(K::Plus), B::MoreNumbers},
    {State::MostNumbers, key(K::Plus), std::nullopt},
    {State::MostNumbers, key(K::Minus), B::FewerNumbers},
    // While the title picture is up a key only closes it.
    {State::TitlePicture, key(K::Left), std::nullopt},
    {State::TitlePicture, letter('A'), std::nullopt},
    {State::TitlePicture, key(K::F7), std::nullopt},
    {State::TitlePicture, key(K::Copy), std::nullopt},
};
// clang-format on

std::string describe(const KeyCase& row)
{
    constexpr const char* kKeyNames[] = {"Left", "Right", "Down", "Up",    "PageUp", "Home", "End", "letter", "F2",
                                         "F3",   "F5",    "F6",   "Minus", "Plus",   "F7",   "F8",  "Copy"};
    const std::string letter = row.stroke.letter != 0 ? std::string(" ") + row.stroke.letter : "";
    return std::string(nameOf(row.state)) + ", " + kKeyNames[static_cast<int>(row.stroke.key)] + letter;
}

TEST(BoardInput, EachStateAndKeyRunsItsCommandOrNothing)
{
    for (const KeyCase& row : kKeyCases) {
        SCOPED_TRACE(describe(row));
        Session asked;
        const bool picture = asked.enter(row.state);
        EXPECT_EQ(asked.input.commandForKey(row.stroke, picture), row.command);
        Session pressed;
        pressed.enter(row.state);
        const std::size_t callsBefore = pressed.view.callCount();
        EXPECT_EQ(pressed.input.pressKey(row.stroke, picture), row.command);
        // A key that runs nothing leaves the window alone.
        if (!row.command) {
            EXPECT_EQ(pressed.view.callCount(), callsBefore);
        }
    }
}

TEST(BoardInput, KeysDoNothingDuringTheAutoPlayPauses)
{
    Session session;
    session.atRoot();
    std::vector<std::optional<BrowserCommand>> during;
    session.view.onDispatch = [&session, &during](int) {
        for (const KeyBinding& binding : keyBindings::table())
            during.push_back(session.input.pressKey(KeyStroke{binding.key, 'A'}, false));
        return true;
    };
    session.input.pressKey(key(K::F3), false);
    // Auto-play ran to the branch point as it would without the keys.
    EXPECT_EQ(session.controller.engine().stoneCount, 3);
    EXPECT_EQ(session.view.sleeps.size() > 0, true);
    ASSERT_FALSE(during.empty());
    for (const std::optional<BrowserCommand>& command : during)
        EXPECT_EQ(command, std::nullopt);
}

TEST(BoardInput, EndPlaysTheForcedMovesAtOnceAndStopsWhereAutoPlayStops)
{
    Session keyed;
    keyed.atRoot();
    const std::size_t refreshesBefore = keyed.view.invalidatedRects.size();
    keyed.input.pressKey(key(K::End), false);
    EXPECT_TRUE(keyed.view.sleeps.empty());
    EXPECT_EQ(keyed.view.invalidatedRects.size(), refreshesBefore + 1);

    Session played;
    played.atRoot();
    played.controller.onAutoPlay();
    EXPECT_EQ(keyed.controller.engine().stoneCount, played.controller.engine().stoneCount);
    EXPECT_EQ(keyed.cursorPoint(), played.cursorPoint());
    EXPECT_EQ(keyed.controller.engine().candidateCount, 4);
    // Stepping back from there goes one move back, as after single steps.
    keyed.input.pressKey(key(K::Left), false);
    EXPECT_EQ(keyed.controller.engine().stoneCount, 2);
}

TEST(BoardInput, ALetterStepsToTheCandidateItLabelsInEitherCase)
{
    struct Case {
        char letter;
        Point reached;
    };
    for (const Case& c : {Case{'A', kLabelA}, Case{'B', kLabelB}, Case{'a', kLabelA}}) {
        Session session;
        session.atBranch();
        session.controller.onLabel(c.letter);
        EXPECT_EQ(session.cursorPoint(), c.reached) << c.letter;
        EXPECT_EQ(session.controller.engine().stoneCount, 4) << c.letter;
    }
}

TEST(BoardInput, DownCyclesAHighlightOverTheCandidatesOnTheBoardAndRightPlaysIt)
{
    Session session;
    session.atBranch();
    EXPECT_FALSE(session.controller.beginPaint().highlight.has_value());
    // Sibling order, the tenuki left out, round again.
    const Point expected[] = {kLabelA, kLabelB, kUnlabelled, kLabelA, kLabelB};
    for (const Point& point : expected) {
        session.input.pressKey(key(K::Down), false);
        EXPECT_EQ(session.controller.beginPaint().highlight, std::optional<Point>(point));
    }
    session.input.pressKey(key(K::Right), false);
    EXPECT_EQ(session.cursorPoint(), kLabelB);
    EXPECT_EQ(session.view.commentText, "b line");
    EXPECT_FALSE(session.controller.beginPaint().highlight.has_value());
}

TEST(BoardInput, TheHighlightGoesWhenTheCursorOrTheModeChanges)
{
    const std::vector<std::pair<const char*, std::function<void(BrowserController&)>>> leaving = {
        {"back", [](BrowserController& c) { c.onBack(); }},
        {"trial play", [](BrowserController& c) { c.onTrialStart(); }},
        {"a click on a candidate", [](BrowserController& c) { c.choosePoint(kUnlabelled.col, kUnlabelled.row); }},
    };
    for (const auto& [name, leave] : leaving) {
        Session session;
        session.atBranch();
        session.controller.onHighlightNext();
        leave(session.controller);
        EXPECT_EQ(session.controller.display().highlightedCandidate, -1) << name;
        session.controller.onTrialEnd();
        session.controller.onToBranchPoint();
        EXPECT_FALSE(session.controller.beginPaint().highlight.has_value()) << name;
    }
}

TEST(BoardInput, SignKeysStepThroughTheMoveNumberList)
{
    Session session;
    session.atRoot();
    struct Step {
        BoardKey key;
        int index;
        int mode;
    };
    const Step steps[] = {{K::Minus, 2, 2}, {K::Minus, 1, 1}, {K::Minus, 0, 0}, {K::Minus, 0, 0},   {K::Plus, 1, 1},
                          {K::Plus, 2, 2},  {K::Plus, 3, 5},  {K::Plus, 4, 10}, {K::Plus, 5, 1000}, {K::Plus, 5, 1000}};
    for (const Step& step : steps) {
        session.input.pressKey(key(step.key), false);
        EXPECT_EQ(session.view.comboIndex, step.index);
        EXPECT_EQ(session.controller.display().moveNumberMode, step.mode);
    }
}

TEST(BoardInput, OptionKeysChangeTheirControlAndReadTheOthers)
{
    Session session;
    session.atRoot();
    // The speed was stepped in the window since the last exchange.
    session.view.controls.autoPlaySpeed = 8;
    session.input.pressKey(key(K::F7), false);
    EXPECT_EQ(session.view.controls.showCoordinates, 0);
    EXPECT_EQ(session.controller.display().showCoordinates, 0);
    EXPECT_EQ(session.controller.display().autoPlaySpeed, 8);
    EXPECT_EQ(session.view.controls.autoPlaySpeed, 8);
    for (const int texture : {1, 2, 0}) {
        session.input.pressKey(key(K::F8), false);
        EXPECT_EQ(session.view.controls.boardTexture, texture);
        EXPECT_EQ(session.controller.display().boardTexture, texture);
    }
    session.input.pressKey(key(K::F7), false);
    EXPECT_EQ(session.controller.display().showCoordinates, 1);
}

std::vector<Point> pointsOf(const BrowsedLine& line)
{
    std::vector<Point> points;
    for (const VariationNode* node : line.bookNodes)
        points.push_back(Point{node->col, node->row});
    return points;
}

TEST(BoardInput, CopyHandsTheWindowTheBookLineAndTheTrialMoves)
{
    Session session;
    session.atBranch();
    session.input.pressKey(key(K::Copy), false);
    ASSERT_EQ(session.view.copiedLines.size(), 1u);
    const std::vector<Point> book = {kNoMovePoint, {3, 3}, {5, 2}, {2, 5}};
    EXPECT_EQ(pointsOf(session.view.copiedLines[0]), book);
    EXPECT_EQ(session.view.copiedLines[0].bookNodes.front(), session.controller.engine().root);
    EXPECT_TRUE(session.view.copiedLines[0].trialMoves.empty());

    // Three book stones: the first trial stone is white. 脱先 in trial play
    // moves the book's cursor, not the line the trial began from.
    session.controller.onTrialStart();
    session.controller.choosePoint(9, 9);
    session.controller.choosePoint(10, 10);
    session.input.pressKey(key(K::F2), false);
    ASSERT_EQ(session.cursorPoint(), kNoMovePoint);
    session.input.pressKey(key(K::Copy), false);
    ASSERT_EQ(session.view.copiedLines.size(), 2u);
    EXPECT_EQ(pointsOf(session.view.copiedLines[1]), book);
    const std::vector<BrowsedLine::Move> trial = {{'W', {9, 9}}, {'B', {10, 10}}};
    EXPECT_EQ(session.view.copiedLines[1].trialMoves, trial);
}

TEST(BoardInput, WheelNotchesStepBackAndForwardAndKeepWhatIsLeftOver)
{
    Session session;
    session.atRoot();
    struct Turn {
        int angle;
        int stones;
    };
    // Down (negative) goes forward, up goes back; 120 units to a notch.
    const Turn turns[] = {{-120, 1}, {-60, 1}, {-60, 2}, {-40, 2}, {100, 2}, {60, 1}, {-360, 3}, {-120, 3}};
    for (const Turn& turn : turns) {
        session.input.turnWheel(turn.angle);
        EXPECT_EQ(session.controller.engine().stoneCount, turn.stones) << turn.angle;
    }
    // At the branch point the wheel goes no further; back still works.
    ASSERT_EQ(session.controller.engine().candidateCount, 4);
    session.input.turnWheel(240);
    EXPECT_EQ(session.controller.engine().stoneCount, 1);
    // A wild value counts for a bounded number of notches: back to the root.
    session.input.turnWheel(INT_MAX);
    session.input.turnWheel(INT_MAX);
    EXPECT_EQ(session.node(), session.controller.engine().root);
}

TEST(BoardInput, WheelInTrialPlayTakesBackAndGoesNoFurther)
{
    Session session;
    session.atBranch();
    session.controller.onTrialStart();
    session.controller.choosePoint(9, 9);
    session.controller.choosePoint(10, 10);
    session.input.turnWheel(-120);
    EXPECT_EQ(session.controller.trialBoard().moveCount, 2);
    session.input.turnWheel(120);
    EXPECT_EQ(session.controller.trialBoard().moveCount, 1);
    session.input.turnWheel(480);
    EXPECT_EQ(session.controller.trialBoard().moveCount, 0);
    EXPECT_EQ(session.controller.engine().stoneCount, 3);
}

TEST(BoardInput, WheelActsDuringAutoPlayPausesAsAClickDoes)
{
    Session session;
    session.atRoot();
    std::vector<int> stones;
    session.view.onDispatch = [&session, &stones](int count) {
        if (count == 1) {
            stones.push_back(session.controller.engine().stoneCount);
            session.input.turnWheel(120);
            stones.push_back(session.controller.engine().stoneCount);
        }
        return true;
    };
    session.controller.onAutoPlay();
    EXPECT_EQ(stones, (std::vector<int>{1, 0}));
    EXPECT_EQ(session.controller.engine().stoneCount, 3);
}

TEST(BoardInput, KeyTableBindsEveryKeyOnceAndNamesTheButtons)
{
    std::vector<BoardKey> keys;
    for (const KeyBinding& binding : keyBindings::table())
        keys.push_back(binding.key);
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(K::Copy) + 1);
    EXPECT_EQ(keyBindings::commandOf(K::PageUp), B::UpBranch);
    EXPECT_EQ(keyBindings::commandOf(K::Up), B::UpBranch);
    EXPECT_EQ(keyBindings::controlOf(B::CollectStones), std::optional<int>(kCollectButton));
    EXPECT_EQ(keyBindings::controlOf(B::MoreNumbers), std::optional<int>(kMoveNumberCombo));
    EXPECT_EQ(keyBindings::controlOf(B::HighlightNext), std::nullopt);
}

} // namespace
} // namespace joseki::test

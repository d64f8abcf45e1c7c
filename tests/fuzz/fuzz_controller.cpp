// The browsing controller under random command sequences over a small library
// read through the start-up path. Commands arrive as the window would deliver
// them (a button only while enabled, clicks, right clicks, keys and wheel
// turns always, the background menu's entries for the book's answers) or, now
// and then, raw; auto-play pauses dispatch further random commands, nested a
// few levels deep, on a fake clock. After each command the controller's state
// and the controls shown must agree, practice must leave the book where it
// began, and trial play read against the book must say what the book says.
#include "core/JosekiEngine.h"
#include "core/Rules.h"
#include "library/LibraryLoader.h"
#include "tests/controller/FakeBrowserView.h"
#include "tests/fuzz/SilentMessageService.h"
#include "ui/controller/BoardInput.h"
#include "ui/controller/BrowserController.h"
#include "ui/controller/ControlIds.h"
#include "ui/controller/TrialBookAdvisor.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using joseki::BrowserController;
using joseki::JosekiEngine;
using joseki::VariationNode;

constexpr std::size_t kMaxCommands = 300;
// Commands dispatched inside auto-play pauses, nested at most this deep.
constexpr int kMaxNesting = 3;
// Inputs end the session or close the window only when a byte has this value.
constexpr std::uint8_t kRareByte = 0xFF;
// Ranges a little wider than the controls allow.
constexpr int kLowestPoint = -2;
constexpr int kHighestPoint = joseki::kBoardSize + 1;
constexpr int kLowestIndex = -2;
constexpr int kHighestIndex = 7;
constexpr int kLowestSpeed = -3;
constexpr int kHighestSpeed = 14;
constexpr int kTextureStates = 3;
// Wheel turns of up to three notches either way, in angle units.
constexpr int kWheelReach = 360;
// Practice chooses its lines by this seed, so a finding replays.
constexpr std::uint32_t kPracticeSeed = 20261210;

// Children of the wide node: more than the 21 the engine lists.
constexpr int kWideChildren = 23;

// A small library with every shape the controller meets: a forced line with a
// tenuki for auto-play, branch points, a capture, a tenuki candidate at the
// root, broken branch information, a node with too many children, names and
// comments, one position reached in two orders and lines with verdicts, a
// trick among them.
std::string fixtureText()
{
    std::string wide;
    for (int i = 0; i < kWideChildren; ++i)
        wide += std::string("(;W[") + static_cast<char>('a' + i % joseki::kBoardSize) +
                static_cast<char>('a' + i / joseki::kBoardSize) + "])";
    return "(;C[root]LB[dd:A][pd:B][cc:C]"
           "(;B[dd]C[star]N[first];W[fc];B[cf];W[tt];B[ed](;W[ee];B[de]C[end])(;W[dc]N[short]))"
           "(;B[ab];W[aa];B[ba]C[capture];W[bb];B[ac])"
           "(;W[tt]LB[aa:X][zz:Y]C[bad labels](;B[pd])(;B[tt];W[qd]))"
           "(;B[jj]" +
           wide +
           ")"
           "(;B[pp];W[qq];B[qp];W[pq];B[oq];W[qo];B[rq];W[rr];B[qr];W[rp];B[sq])"
           "(;B[cc];W[ce];B[ec](;W[ed]C[enclosed【定式】])(;W[dc]C[【骗着】cut];B[db];W[cb]C[lost【骗着】]))"
           "(;B[ec];W[ce];B[cc]C[other order];W[bd]C[small life【变化】]))";
}

enum Command : int {
    kCollect,
    kUpBranch,
    kTenuki,
    kAutoPlay,
    kMoveNumber,
    kTrialStart,
    kTrialEnd,
    kOption,
    kClickCandidate,
    kClickAnywhere,
    kBack,
    kNext,
    kTrialRestart,
    kHelp,
    kKey,
    kWheel,
    kToggleTranspositions,
    kToggleTrialCheck,
    kGoToTransposition,
    kBackToBook,
    kPractice,
    kRandomPractice,
    kPracticeEnd,
    kCommandCount
};

class Session {
public:
    Session(FuzzedDataProvider& input, const std::string& library)
        : input_(input),
          controller_(
              view_, view_, messages_, [&library](JosekiEngine& engine) { joseki::loadLibraryText(engine, library); },
              kPracticeSeed)
    {
        view_.onDispatch = [this](int) { return duringPause(); };
    }

    void start()
    {
        controller_.initialise();
        controller_.completeStartup();
        paintTenuki();
        check(true);
    }

    void runOne() { runCommand(); }

private:
    // The painter's rule for 脱先, applied after each command as a paint would.
    void paintTenuki()
    {
        const JosekiEngine& engine = controller_.engine();
        // A tenuki is always a move the student may try.
        if (controller_.practising()) {
            tenukiEnabled_ = true;
            return;
        }
        if (controller_.display().trialMode != 0)
            return;
        tenukiEnabled_ = false;
        for (int i = 0; i < engine.candidateCount && i < joseki::kListedBranches; ++i) {
            const joseki::Point p = engine.candidates[static_cast<std::size_t>(i)];
            if (p.col == joseki::kNoMove && p.row == joseki::kNoMove)
                tenukiEnabled_ = true;
        }
    }

    bool enabled(int controlId) const
    {
        const auto it = view_.enabled.find(controlId);
        return it != view_.enabled.end() && it->second;
    }

    // Runs one random command, as the window would deliver it or raw.
    void runCommand()
    {
        const auto command = static_cast<Command>(input_.ConsumeIntegralInRange<int>(0, kCommandCount - 1));
        const bool raw = input_.ConsumeBool() && input_.ConsumeBool();
        const JosekiEngine& engine = controller_.engine();
        const VariationNode* cursorBefore = engine.cursor;
        const bool trialBefore = controller_.display().trialMode != 0;
        const bool practiceBefore = controller_.practising();
        bool movesBook = false; // the command may move the book cursor in trial play

        switch (command) {
        case kCollect:
            if (raw || enabled(joseki::kCollectButton))
                controller_.onCollectStones();
            movesBook = raw;
            break;
        case kUpBranch:
            if (raw || enabled(joseki::kUpBranchButton))
                controller_.onUpBranch();
            movesBook = raw;
            break;
        case kTenuki:
            if (raw || tenukiEnabled_)
                controller_.onTenuki();
            movesBook = true;
            break;
        case kAutoPlay:
            if (raw || enabled(joseki::kAutoPlayButton)) {
                ++nesting_;
                controller_.onAutoPlay();
                --nesting_;
            }
            // Commands in its pauses may start trial play while it steps on.
            movesBook = true;
            break;
        case kMoveNumber:
            controller_.onMoveNumberChoice(input_.ConsumeIntegralInRange(kLowestIndex, kHighestIndex));
            break;
        case kTrialStart:
            if (raw || enabled(joseki::kTrialButton))
                controller_.onTrialStart();
            break;
        case kTrialEnd:
            if (raw || enabled(joseki::kTrialEndButton))
                controller_.onTrialEnd();
            break;
        case kOption:
            view_.controls.autoPlaySpeed = input_.ConsumeIntegralInRange(kLowestSpeed, kHighestSpeed);
            view_.controls.showCoordinates = input_.ConsumeIntegralInRange(0, 1);
            view_.controls.boardTexture = input_.ConsumeIntegralInRange(0, kTextureStates - 1);
            controller_.onOptionToggled();
            break;
        case kClickCandidate:
            if (engine.candidateCount > 0) {
                const int pick = input_.ConsumeIntegralInRange(0, engine.candidateCount - 1);
                const joseki::Point p = engine.candidates[static_cast<std::size_t>(pick)];
                controller_.choosePoint(p.col, p.row);
            }
            break;
        case kClickAnywhere: {
            const int col = input_.ConsumeIntegralInRange(kLowestPoint, kHighestPoint);
            const int row = input_.ConsumeIntegralInRange(kLowestPoint, kHighestPoint);
            controller_.choosePoint(col, row);
            break;
        }
        case kBack:
            controller_.onBack();
            break;
        // Hidden buttons: only raw.
        case kNext:
            if (raw)
                controller_.onNext();
            movesBook = true;
            break;
        case kTrialRestart:
            if (raw)
                controller_.onTrialRestart();
            break;
        case kHelp:
            if (raw)
                controller_.onHelp();
            break;
        case kKey: {
            const auto key = static_cast<joseki::BoardKey>(
                input_.ConsumeIntegralInRange<int>(0, static_cast<int>(joseki::BoardKey::Copy)));
            const char letter = input_.ConsumeIntegralInRange<char>('A', 'Z');
            ++nesting_;
            boardInput_.pressKey(joseki::KeyStroke{key, letter}, input_.ConsumeBool() && input_.ConsumeBool());
            --nesting_;
            // 脱先 moves the book in trial play too; auto-play runs commands in its pauses.
            movesBook = key == joseki::BoardKey::F2 || key == joseki::BoardKey::F3;
            break;
        }
        case kWheel:
            boardInput_.turnWheel(input_.ConsumeIntegralInRange(-kWheelReach, kWheelReach));
            break;
        case kToggleTranspositions:
            controller_.onToggleTranspositions();
            break;
        case kToggleTrialCheck:
            controller_.onToggleTrialCheck();
            break;
        case kGoToTransposition:
            controller_.onGoToTransposition();
            break;
        case kBackToBook:
            controller_.onBackToBook();
            movesBook = true; // trial play ends there
            break;
        case kPractice:
            controller_.onPractice(input_.ConsumeBool() ? joseki::kBlack : joseki::kWhite);
            break;
        case kRandomPractice:
            controller_.onRandomPractice();
            break;
        case kPracticeEnd:
            controller_.onPracticeEnd();
            break;
        case kCommandCount:
            break;
        }

        if (trialBefore && !movesBook && controller_.engine().cursor != cursorBefore)
            __builtin_trap();
        // Practice leaves the book where it began, whatever runs meanwhile.
        if (practiceBefore && controller_.engine().cursor != cursorBefore)
            __builtin_trap();
        paintTenuki();
        check(nesting_ == 0);
    }

    // One dispatch of an auto-play pause: maybe a further command, maybe the
    // end of the session or a window close.
    bool duringPause()
    {
        if (input_.remaining_bytes() == 0)
            return true;
        const std::uint8_t roll = input_.ConsumeIntegral<std::uint8_t>();
        if (roll == kRareByte) {
            if (input_.ConsumeBool())
                return false; // the session ends: the controller stops for good
            controller_.requestStop();
            view_.closed = true;
            return true;
        }
        if (nesting_ < kMaxNesting && roll % 2 == 0)
            runCommand();
        return true;
    }

    void check(bool controlsSettled) const
    {
        const JosekiEngine& engine = controller_.engine();
        const joseki::TrialBoard& trial = controller_.trialBoard();
        if (view_.callsWhileClosed != 0)
            __builtin_trap();
        if (engine.candidateCount < 0 || engine.candidateCount > joseki::kListedBranches)
            __builtin_trap();
        if (engine.branchLabelCount < 0 || engine.branchLabelCount > joseki::kListedBranches)
            __builtin_trap();
        if (trial.moveCount < 0 || trial.moveCount > joseki::kTrialMoveLimit)
            __builtin_trap();
        if (controller_.display().trialMode != 0 && controller_.display().trialMode != 1)
            __builtin_trap();
        if (engine.root == nullptr || engine.cursor == nullptr)
            __builtin_trap(); // the fixture always loads
        if (engine.pathDepth < 1 || engine.pathStack[0] != engine.root ||
            engine.lastChoice != engine.pathStack[static_cast<std::size_t>(engine.pathDepth - 1)])
            __builtin_trap();
        if (controller_.display().trialMode != 0 && trial.moveCount == 0 && trial.position.board != trial.startBoard)
            __builtin_trap();
        // A highlight is only ever shown on a candidate of the board at the cursor.
        const int highlighted = controller_.display().highlightedCandidate;
        if (highlighted < -1 || highlighted >= engine.candidateCount)
            __builtin_trap();
        if (const std::optional<joseki::Point> marked = controller_.highlightedCandidate(); marked && !onBoard(*marked))
            __builtin_trap();
        if (controller_.practising())
            checkPractice();
        // Inside an auto-play step the controls are refreshed only after the
        // step; after a whole command, or once stopping, they must agree.
        if (controlsSettled && !controller_.stopRequested())
            checkControls();
    }

    // The practice board is the book's own, turned; it stands over the book, not beside trial play.
    void checkPractice() const
    {
        const joseki::PracticeSession& practice = controller_.book().practice();
        if (controller_.display().trialMode != 0 || controller_.browsing())
            __builtin_trap();
        const std::optional<joseki::Stones> own = joseki::PositionIndex::stonesAfter(*practice.node());
        if (!own || practice.board().board != joseki::turnStones(*own, practice.orientation()))
            __builtin_trap();
    }

    // What the comment box says in trial play, and that every mark is a book move.
    void checkTrialComment() const
    {
        const joseki::BookAnswers& book = controller_.book();
        const joseki::TrialBoard& trial = controller_.trialBoard();
        if (!book.checksTrial()) {
            if (view_.commentText != "您正在试下研讨状态")
                __builtin_trap();
            return;
        }
        const joseki::TrialAdvice advice = joseki::TrialBookAdvisor(book.index()).advise(trial);
        if (view_.commentText != advice.comment)
            __builtin_trap();
        const std::int8_t mover = trial.colourOfMove(trial.moveCount + 1);
        for (const joseki::Point mark : advice.marks) {
            joseki::Stones after = trial.position.board;
            joseki::rules::playMove(after, mark.col, mark.row, mover);
            if (!book.index().contains(joseki::PositionKey::of(after, joseki::opponentOf(mover))))
                __builtin_trap();
        }
    }

    // The enabled states and the caption of 1030 follow from the state alone.
    void checkControls() const
    {
        const JosekiEngine& engine = controller_.engine();
        const bool trial = controller_.display().trialMode != 0;
        const bool practising = controller_.practising();
        const bool away = !trial && !practising && engine.cursor != engine.root;
        const VariationNode* child = engine.cursor->firstChild;
        const bool autoPlay = !trial && !practising && engine.candidateCount == 1 && child != nullptr &&
                              child->firstChild != nullptr && child->firstChild->nextSibling == nullptr;
        const bool trialButton = trial ? controller_.trialBoard().moveCount > 0 : !practising && engine.stoneCount > 0;
        const std::string caption = trial && controller_.trialBoard().moveCount > 0 ? "重新试下" : "试 下";
        if (enabled(joseki::kCollectButton) != away || enabled(joseki::kUpBranchButton) != away ||
            enabled(joseki::kAutoPlayButton) != autoPlay || enabled(joseki::kSpeedEdit) != autoPlay ||
            enabled(joseki::kSpeedSpin) != autoPlay || enabled(joseki::kTrialButton) != trialButton ||
            enabled(joseki::kTrialEndButton) != trial)
            __builtin_trap();
        const auto it = view_.captions.find(joseki::kTrialButton);
        if (it == view_.captions.end() || it->second != caption)
            __builtin_trap();
        if (trial)
            checkTrialComment();
        if (practising && view_.commentText != controller_.book().practice().comment())
            __builtin_trap();
    }

    FuzzedDataProvider& input_;
    joseki::test::FakeBrowserView view_;
    joseki::fuzz::SilentMessageService messages_;
    BrowserController controller_;
    joseki::BoardInput boardInput_{controller_};
    bool tenukiEnabled_ = false;
    int nesting_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string library = fixtureText();
    FuzzedDataProvider input(data, size);
    Session session(input, library);
    session.start();
    for (std::size_t i = 0; i < kMaxCommands && input.remaining_bytes() > 0; ++i)
        session.runOne();
    return 0;
}

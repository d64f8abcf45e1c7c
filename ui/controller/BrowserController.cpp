#include "ui/controller/BrowserController.h"

#include "core/MessageService.h"
#include "ui/controller/ControlIds.h"
#include "ui/controller/ControllerTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace joseki {

namespace {

using controllerTexts::kDefaultMoveNumberEntry;
using controllerTexts::kTrialAgainCaption;
using controllerTexts::kTrialCaption;
using controllerTexts::kTrialNotice;
constexpr int kDefaultMoveNumberMode = 5;
constexpr const char* kNameSeparator = "\r\n";

constexpr int kDefaultSpeed = 5;
constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 10;
constexpr double kPauseAtSpeedOne = 3500.0;

// Below this a wait is one plain sleep; above it the wait runs in slices.
constexpr int kSlicedWaitThreshold = 500;
constexpr int kWaitSliceMs = 100;

// moveNumberMode of each entry of the move-number list, in list order.
constexpr std::array<int, 6> kMoveNumberModes{0, 1, 2, 5, 10, 1000};

// Milliseconds between two readings of a 32-bit tick counter, either way round,
// correct across one wrap of the counter.
std::int64_t tickDistance(std::uint32_t now, std::uint32_t start)
{
    const auto signedDifference = static_cast<std::int32_t>(now - start);
    return std::llabs(static_cast<std::int64_t>(signedDifference));
}

} // namespace

BrowserController::BrowserController(BrowserView& view, MessagePump& pump, MessageService& messages, LibraryLoad load)
    : engine_(messages), view_(view), pump_(pump), messages_(messages), load_(std::move(load))
{}

void BrowserController::initialise()
{
    display_.autoPlaySpeed = kDefaultSpeed;
    view_.writeControlValues(ControlValues{display_.autoPlaySpeed, display_.showCoordinates, display_.boardTexture});
}

bool BrowserController::acceptsCommands() const { return loaded_ && !stopRequested_; }

bool BrowserController::canMoveCursor() const { return acceptsCommands() && engine_.cursor != nullptr; }

void BrowserController::onCollectStones()
{
    if (!canMoveCursor())
        return;
    engine_.resetToRoot();
    refreshControls();
}

void BrowserController::onUpBranch()
{
    if (!canMoveCursor())
        return;
    engine_.upBranch();
    refreshControls();
}

void BrowserController::onTenuki()
{
    if (!canMoveCursor())
        return;
    engine_.stepTo(kNoMove, kNoMove);
    refreshControls();
}

void BrowserController::onMoveNumberChoice(int index)
{
    if (!acceptsCommands())
        return;
    const int mode = moveNumberModeForIndex(index);
    if (mode >= 0)
        display_.moveNumberMode = mode;
    refreshControls();
}

void BrowserController::onTrialStart()
{
    // Trial play starts from the book position at the cursor, so it needs one.
    if (!canMoveCursor())
        return;
    // A running auto-play would go on stepping the book behind the trial, and
    // ending the trial would then show a later position: it ends after its
    // current pause.
    if (autoPlayRunning())
        autoPlayEnding_ = true;
    display_.trialMode = 1;
    trialBoard_.startBoard = engine_.book.board;
    trialBoard_.baseStoneCount = engine_.stoneCount;
    trialBoard_.restart();
    refreshControls();
}

void BrowserController::onTrialEnd()
{
    if (!acceptsCommands())
        return;
    display_.trialMode = 0;
    trialBoard_.restart();
    refreshControls();
}

void BrowserController::onOptionToggled()
{
    if (!acceptsCommands())
        return;
    readValuesFromControls();
    refreshControls();
}

void BrowserController::choosePoint(int col, int row)
{
    if (!acceptsCommands())
        return;
    if (display_.trialMode != 0) {
        if (!onBoard(col, row) || trialBoard_.position.at(col, row) != kEmpty)
            return;
        trialBoard_.play(col, row);
        refreshControls();
        return;
    }
    if (!canMoveCursor())
        return;
    const int count = std::min(engine_.candidateCount, kBranchListCapacity);
    for (int i = 0; i < count; ++i) {
        const Point& candidate = engine_.candidates[static_cast<std::size_t>(i)];
        if (candidate.col == col && candidate.row == row) {
            engine_.stepTo(col, row);
            refreshControls();
            return;
        }
    }
}

void BrowserController::onBack()
{
    if (!acceptsCommands())
        return;
    if (display_.trialMode != 0) {
        trialBoard_.undo();
        refreshControls();
        return;
    }
    if (!canMoveCursor())
        return;
    engine_.stepBack();
    refreshControls();
}

void BrowserController::onNext()
{
    if (!canMoveCursor())
        return;
    if (engine_.candidateCount == 1) {
        const Point next = engine_.candidates[0];
        engine_.stepTo(next.col, next.row);
        refreshControls();
    } else if (engine_.candidateCount > 1) {
        messages_.showMessageBox(controllerTexts::kSeveralBranches, mb::kOk);
    }
}

void BrowserController::onTrialRestart()
{
    if (!acceptsCommands())
        return;
    trialBoard_.restart();
    refreshControls();
}

void BrowserController::onHelp()
{
    if (!acceptsCommands())
        return;
    messages_.showMessageBox(controllerTexts::kHelp, mb::kOk);
}

void BrowserController::completeStartup()
{
    // The timer fires once; a second call (or one during a window close) would
    // load the library again over a tree the painter may be reading.
    if (startupBegun_ || stopRequested_)
        return;
    startupBegun_ = true;
    view_.setCommentText(controllerTexts::kWelcome);
    view_.selectComboEntry(kDefaultMoveNumberEntry);
    display_.moveNumberMode = kDefaultMoveNumberMode;
    // Commands that arrive while the load shows a message box still find
    // `loaded` false and do nothing.
    if (load_)
        load_(engine_);
    loaded_ = true;
    if (stopRequested_)
        return;
    view_.showWindow();
    refreshControls();
    view_.invalidateAll();
}

void BrowserController::refreshControls()
{
    if (stopRequested_)
        return;
    const bool trial = display_.trialMode != 0;
    if (trial)
        view_.setCommentText(kTrialNotice);
    else
        showNodeText();

    view_.invalidateBoard();

    const bool awayFromRoot = !trial && engine_.cursor != nullptr && engine_.cursor != engine_.root;
    view_.enableControl(kCollectButton, awayFromRoot);
    view_.enableControl(kUpBranchButton, awayFromRoot);

    const bool autoPlay = autoPlayGroupEnabled();
    view_.enableControl(kAutoPlayButton, autoPlay);
    view_.enableControl(kSpeedEdit, autoPlay);
    view_.enableControl(kSpeedSpin, autoPlay);

    if (trial) {
        const bool hasTrialMoves = trialBoard_.moveCount > 0;
        view_.setControlCaption(kTrialButton, hasTrialMoves ? kTrialAgainCaption : kTrialCaption);
        view_.enableControl(kTrialButton, hasTrialMoves);
    } else {
        view_.setControlCaption(kTrialButton, kTrialCaption);
        view_.enableControl(kTrialButton, engine_.cursor != nullptr && engine_.stoneCount > 0);
    }
    view_.enableControl(kTrialEndButton, trial);
}

BoardScene BrowserController::beginPaint()
{
    const BoardScene scene = makeBoardScene(engine_, trialBoard_, display_);
    display_.boardTexture = scene.boardTexture;
    if (scene.tenukiEnabled.has_value())
        view_.enableControl(kTenukiButton, *scene.tenukiEnabled);
    return scene;
}

void BrowserController::showNodeText()
{
    const VariationNode* node = engine_.cursor;
    if (node == nullptr || stopRequested_)
        return;
    std::string text;
    if (node->comment)
        text += node->comment;
    if (node->name) {
        text += kNameSeparator;
        text += node->name;
    }
    // A node without text leaves the previous text in the box.
    if (!text.empty())
        view_.setCommentText(text);
}

bool BrowserController::autoPlayGroupEnabled() const
{
    // The next two moves must both be forced: one child, which has one child.
    if (display_.trialMode != 0 || engine_.cursor == nullptr || engine_.candidateCount != 1)
        return false;
    const VariationNode* child = engine_.cursor->firstChild;
    return child != nullptr && child->firstChild != nullptr && child->firstChild->nextSibling == nullptr;
}

void BrowserController::readValuesFromControls()
{
    const ControlValues values = view_.readControlValues();
    display_.autoPlaySpeed = values.autoPlaySpeed;
    display_.showCoordinates = values.showCoordinates;
    display_.boardTexture = values.boardTexture;
}

void BrowserController::onAutoPlay()
{
    if (!canMoveCursor() || engine_.cursor->firstChild == nullptr)
        return;
    if (autoPlayDepth_ == 0)
        autoPlayEnding_ = false;
    ++autoPlayDepth_;
    view_.beginBusyCursor();
    // Commands dispatched during a pause act between two steps; each step
    // continues from whatever cursor they left. After a stop request the
    // window is closing: leave without calling it again, apart from ending the
    // busy cursor, which is safe because the dialog outlives this loop.
    while (!stopRequested_ && !autoPlayEnding_) {
        readValuesFromControls();
        if (engine_.candidateCount != 1)
            break;
        const Point next = engine_.candidates[0];
        engine_.stepTo(next.col, next.row);
        refreshControls();
        waitWithMessages(autoPlayPause(display_.autoPlaySpeed));
    }
    refreshControls();
    view_.endBusyCursor();
    --autoPlayDepth_;
}

void BrowserController::waitWithMessages(int ms)
{
    pumpMessages();
    if (stopRequested_)
        return;
    if (ms < kSlicedWaitThreshold) {
        // A negative wait would sleep for ages on a platform taking unsigned ms.
        pump_.sleepMs(std::max(ms, 0));
        pumpMessages();
        return;
    }
    const std::uint32_t start = pump_.tickCount();
    while (!stopRequested_ && tickDistance(pump_.tickCount(), start) < ms) {
        pump_.sleepMs(kWaitSliceMs);
        pumpMessages();
    }
}

void BrowserController::pumpMessages()
{
    if (stopRequested_)
        return;
    if (!pump_.dispatchPendingMessages()) {
        messages_.exitProcess(kEndSessionExitStatus);
        // The process may live on (a recorder returns): behave as on a close.
        stopRequested_ = true;
    }
}

void BrowserController::requestStop() { stopRequested_ = true; }

int BrowserController::autoPlayPause(int speed)
{
    // The spin box keeps the speed in 1..10; clamping keeps a bad edit value
    // from dividing by zero.
    const int clamped = std::clamp(speed, kMinSpeed, kMaxSpeed);
    return static_cast<int>(std::trunc(kPauseAtSpeedOne / std::sqrt(static_cast<double>(clamped))));
}

int BrowserController::moveNumberModeForIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(kMoveNumberModes.size()))
        return -1;
    return kMoveNumberModes[static_cast<std::size_t>(index)];
}

} // namespace joseki

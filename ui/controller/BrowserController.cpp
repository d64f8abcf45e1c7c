#include "ui/controller/BrowserController.h"

#include "core/BookReplay.h"
#include "core/MessageService.h"
#include "ui/controller/BookNotes.h"
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

constexpr int kDefaultSpeed = 5;
constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 10;
constexpr double kPauseAtSpeedOne = 3500.0;

// Below this a wait is one plain sleep; above it the wait runs in slices.
constexpr int kSlicedWaitThreshold = 500;
constexpr int kWaitSliceMs = 100;

// moveNumberMode of each entry of the move-number list, in list order.
constexpr std::array<int, 6> kMoveNumberModes{0, 1, 2, 5, 10, 1000};

std::size_t slotOf(int controlId) { return static_cast<std::size_t>(controlId - kFirstControlId); }

bool isControl(int controlId) { return controlId >= kFirstControlId && controlId <= kLastControlId; }

char upperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Milliseconds between two readings of a 32-bit tick counter, either way round,
// correct across one wrap of the counter.
std::int64_t tickDistance(std::uint32_t now, std::uint32_t start)
{
    const auto signedDifference = static_cast<std::int32_t>(now - start);
    return std::llabs(static_cast<std::int64_t>(signedDifference));
}

} // namespace

BrowserController::BrowserController(BrowserView& view, MessagePump& pump, MessageService& messages, LibraryLoad load,
                                     std::uint32_t randomSeed)
    : engine_(messages), view_(view), pump_(pump), messages_(messages), load_(std::move(load)),
      book_(engine_, trialBoard_, randomSeed)
{
    // The template creates 脱 先 enabled and every other button disabled.
    controlEnabled_[slotOf(kTenukiButton)] = true;
}

void BrowserController::initialise()
{
    display_.autoPlaySpeed = kDefaultSpeed;
    view_.writeControlValues(ControlValues{display_.autoPlaySpeed, display_.showCoordinates, display_.boardTexture});
}

bool BrowserController::acceptsCommands() const { return loaded_ && !stopRequested_; }

bool BrowserController::canMoveCursor() const
{
    return acceptsCommands() && engine_.cursor != nullptr && !book_.practising();
}

void BrowserController::endAutoPlay()
{
    // A running auto-play would go on stepping the book behind the board, and
    // coming back would then show a later position: it ends after its pause.
    if (autoPlayRunning())
        autoPlayEnding_ = true;
}

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
    if (acceptsCommands() && book_.practising()) {
        book_.practiseMove(kNoMovePoint);
        refreshControls();
        return;
    }
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
    endAutoPlay();
    display_.trialMode = 1;
    trialStart_ = engine_.cursor;
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
    if (book_.practising()) {
        if (onBoard(col, row)) {
            book_.practiseMove(Point{col, row});
            refreshControls();
        }
        return;
    }
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
    // Practice takes no move back.
    if (!acceptsCommands() || book_.practising())
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
    book_.indexBook();
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
    const bool practising = book_.practising();
    if (practising)
        view_.setCommentText(book_.practice().comment());
    else if (trial)
        view_.setCommentText(book_.readTrial().value_or(kTrialNotice));
    else
        showNodeText();

    // The highlight belongs to the candidates it was counted over.
    if (trial || practising || engine_.cursor != highlightNode_)
        display_.highlightedCandidate = -1;
    view_.invalidateBoard();

    // Practice covers the book as trial play does.
    const bool awayFromRoot = !trial && !practising && engine_.cursor != nullptr && engine_.cursor != engine_.root;
    enable(kCollectButton, awayFromRoot);
    enable(kUpBranchButton, awayFromRoot);

    const bool autoPlay = autoPlayGroupEnabled();
    enable(kAutoPlayButton, autoPlay);
    enable(kSpeedEdit, autoPlay);
    enable(kSpeedSpin, autoPlay);

    if (trial) {
        const bool hasTrialMoves = trialBoard_.moveCount > 0;
        view_.setControlCaption(kTrialButton, hasTrialMoves ? kTrialAgainCaption : kTrialCaption);
        enable(kTrialButton, hasTrialMoves);
    } else {
        view_.setControlCaption(kTrialButton, kTrialCaption);
        enable(kTrialButton, !practising && engine_.cursor != nullptr && engine_.stoneCount > 0);
    }
    enable(kTrialEndButton, trial);
}

void BrowserController::enable(int controlId, bool enabled)
{
    controlEnabled_[slotOf(controlId)] = enabled;
    view_.enableControl(controlId, enabled);
}

bool BrowserController::controlEnabled(int controlId) const
{
    return isControl(controlId) && controlEnabled_[slotOf(controlId)];
}

BoardScene BrowserController::beginPaint()
{
    BoardScene scene = makeBoardScene(engine_, trialBoard_, display_);
    book_.decorate(scene);
    display_.boardTexture = scene.boardTexture;
    if (scene.tenukiEnabled.has_value())
        enable(kTenukiButton, *scene.tenukiEnabled);
    return scene;
}

void BrowserController::showNodeText()
{
    const VariationNode* node = engine_.cursor;
    if (node == nullptr || stopRequested_)
        return;
    std::string text = bookNotes::nodeText(*node);
    if (const std::optional<std::string> lines = book_.transpositionLines())
        text += (text.empty() ? "" : bookNotes::kLineBreak) + *lines;
    // A node without text leaves the previous text in the box.
    if (!text.empty())
        view_.setCommentText(text);
}

bool BrowserController::autoPlayGroupEnabled() const
{
    // The next two moves must both be forced: one child, which has one child.
    if (display_.trialMode != 0 || book_.practising() || engine_.cursor == nullptr || engine_.candidateCount != 1)
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

// --- keys, wheel and the background menu ---

bool BrowserController::browsing() const
{
    return display_.trialMode == 0 && !book_.practising() && engine_.cursor != nullptr;
}

std::optional<Point> BrowserController::labelledCandidate(char letter) const
{
    const int count = std::min(engine_.candidateCount, kBranchListCapacity);
    for (int i = 0; i < count; ++i) {
        const Point& candidate = engine_.candidates[static_cast<std::size_t>(i)];
        const char label = onBoard(candidate) ? engine_.labelBoard[static_cast<std::size_t>(pointIndex(candidate))] : 0;
        if (label != 0 && upperCase(label) == upperCase(letter))
            return candidate;
    }
    return std::nullopt;
}

std::optional<Point> BrowserController::highlightedCandidate() const
{
    const int index = display_.highlightedCandidate;
    if (!browsing() || engine_.cursor != highlightNode_ || index < 0 ||
        index >= std::min(engine_.candidateCount, kBranchListCapacity))
        return std::nullopt;
    return engine_.candidates[static_cast<std::size_t>(index)];
}

int BrowserController::moveNumberIndex() const
{
    const auto found = std::find(kMoveNumberModes.begin(), kMoveNumberModes.end(), display_.moveNumberMode);
    return found == kMoveNumberModes.end() ? -1 : static_cast<int>(found - kMoveNumberModes.begin());
}

void BrowserController::onForward()
{
    if (!canMoveCursor() || !browsing())
        return;
    if (const std::optional<Point> highlighted = highlightedCandidate()) {
        engine_.stepTo(highlighted->col, highlighted->row);
        refreshControls();
    } else if (engine_.candidateCount == 1) {
        onNext();
    }
}

void BrowserController::onHighlightNext()
{
    if (!canMoveCursor() || !browsing())
        return;
    const int count = std::min(engine_.candidateCount, kBranchListCapacity);
    const int from = highlightedCandidate() ? display_.highlightedCandidate : -1;
    // A tenuki has no point to mark; 脱先 has its own key.
    for (int step = 1; step <= count; ++step) {
        const int index = (from + step) % count;
        if (onBoard(engine_.candidates[static_cast<std::size_t>(index)])) {
            display_.highlightedCandidate = index;
            highlightNode_ = engine_.cursor;
            view_.invalidateBoard();
            return;
        }
    }
}

void BrowserController::onToBranchPoint()
{
    if (!canMoveCursor() || !browsing())
        return;
    engine_.followForcedMoves();
    refreshControls();
}

void BrowserController::onLabel(char letter)
{
    if (!canMoveCursor() || !browsing())
        return;
    if (const std::optional<Point> candidate = labelledCandidate(letter))
        choosePoint(candidate->col, candidate->row);
}

void BrowserController::onMoveNumberStep(int step)
{
    if (!acceptsCommands())
        return;
    const int index = moveNumberIndex() + step;
    if (moveNumberModeForIndex(index) < 0)
        return;
    view_.selectMoveNumberEntry(index);
    onMoveNumberChoice(index);
}

void BrowserController::onToggleCoordinates()
{
    if (!acceptsCommands())
        return;
    // What a click does: the box changes, then the controls are read.
    ControlValues values = view_.readControlValues();
    values.showCoordinates = values.showCoordinates == 0 ? 1 : 0;
    view_.writeControlValues(values);
    onOptionToggled();
}

void BrowserController::onCycleTexture()
{
    if (!acceptsCommands())
        return;
    ControlValues values = view_.readControlValues();
    values.boardTexture = (values.boardTexture + 1) % kBoardTextureCount;
    view_.writeControlValues(values);
    onOptionToggled();
}

void BrowserController::onCopyLine()
{
    if (!canMoveCursor())
        return;
    view_.copyLine(browsedLine());
}

BrowsedLine BrowserController::browsedLine() const
{
    BrowsedLine line;
    const bool trial = display_.trialMode != 0 && trialStart_ != nullptr;
    const VariationNode* last = trial ? trialStart_ : engine_.cursor;
    if (last == nullptr)
        return line;
    line.bookNodes = book::pathFromRoot(*last);
    for (int k = 1; trial && k <= trialBoard_.moveCount; ++k) {
        const TrialBoard::Move& move = trialBoard_.moves[static_cast<std::size_t>(k)];
        line.trialMoves.push_back({trialBoard_.colourOfMove(k) == kBlack ? 'B' : 'W', Point{move.col, move.row}});
    }
    return line;
}

// --- the book's answers ---

void BrowserController::onToggleTranspositions() { toggleBookOption(&BookAnswers::toggleTranspositions); }

void BrowserController::onToggleTrialCheck() { toggleBookOption(&BookAnswers::toggleTrialCheck); }

void BrowserController::toggleBookOption(void (BookAnswers::*toggle)())
{
    if (!acceptsCommands())
        return;
    (book_.*toggle)();
    refreshControls();
}

void BrowserController::onGoToTransposition()
{
    if (!canMoveCursor() || !browsing())
        return;
    if (const VariationNode* target = book_.transpositionTarget()) {
        engine_.moveTo(*target);
        refreshControls();
    }
}

void BrowserController::onBackToBook()
{
    const VariationNode* node = book_.trialBookNode();
    if (!canMoveCursor() || display_.trialMode == 0 || node == nullptr)
        return;
    display_.trialMode = 0;
    trialBoard_.restart();
    engine_.moveTo(*node);
    refreshControls();
}

void BrowserController::onPractice(std::int8_t student) { startPractice(student); }

void BrowserController::onRandomPractice() { startPractice(std::nullopt); }

void BrowserController::startPractice(std::optional<std::int8_t> student)
{
    if (!canMoveCursor() || !browsing() || !book_.startPractice(student))
        return;
    endAutoPlay();
    refreshControls();
}

void BrowserController::onPracticeEnd()
{
    if (!acceptsCommands() || !book_.practising())
        return;
    // The cursor never moved: the board is the position practice started from again.
    book_.endPractice();
    refreshControls();
}

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

#include "ui/controller/BoardInput.h"

#include <algorithm>

namespace joseki {

namespace {

using B = BrowserCommand;

// Angle units of one wheel notch; one turn counts for at most this many
// notches, so a wild value can neither overflow the sum nor run for ages.
constexpr int kWheelNotch = 120;
constexpr int kMostNotchesPerTurn = 100;

} // namespace

BoardInput::BoardInput(BrowserController& controller) : controller_(controller) {}

bool BoardInput::acceptsCommands() const { return controller_.loaded() && !controller_.stopRequested(); }

bool BoardInput::hasCandidateOnBoard() const
{
    const JosekiEngine& engine = controller_.engine();
    const auto first = engine.candidates.begin();
    return std::any_of(first, first + std::clamp(engine.candidateCount, 0, kBranchListCapacity),
                       [](const Point& p) { return onBoard(p); });
}

bool BoardInput::available(BrowserCommand command, char letter) const
{
    const BrowserController& c = controller_;
    const JosekiEngine& engine = c.engine();
    switch (command) {
    case B::Back:
        if (c.display().trialMode != 0)
            return c.trialBoard().moveCount > 0;
        return c.browsing() && engine.cursor != engine.root;
    case B::Forward:
        return c.browsing() && (c.highlightedCandidate() || engine.candidateCount == 1);
    case B::HighlightNext:
        return c.browsing() && hasCandidateOnBoard();
    case B::StepToLabel:
        return c.browsing() && c.labelledCandidate(letter).has_value();
    case B::ToBranchPoint:
        return c.browsing() && engine.candidateCount == 1;
    case B::FewerNumbers:
        return BrowserController::moveNumberModeForIndex(c.moveNumberIndex() - 1) >= 0;
    case B::MoreNumbers:
        return BrowserController::moveNumberModeForIndex(c.moveNumberIndex() + 1) >= 0;
    case B::Coordinates:
    case B::Texture:
        return true;
    case B::CopyLine:
        return engine.cursor != nullptr;
    case B::UpBranch:
    case B::CollectStones:
    case B::Tenuki:
    case B::AutoPlay:
    case B::Trial:
    case B::TrialEnd:
        // A button's own command: only while the button is enabled.
        return c.controlEnabled(keyBindings::controlOf(command).value_or(0));
    }
    return false;
}

void BoardInput::run(BrowserCommand command, char letter)
{
    BrowserController& c = controller_;
    switch (command) {
    case B::Back:
        return c.onBack();
    case B::Forward:
        return c.onForward();
    case B::HighlightNext:
        return c.onHighlightNext();
    case B::UpBranch:
        return c.onUpBranch();
    case B::CollectStones:
        return c.onCollectStones();
    case B::ToBranchPoint:
        return c.onToBranchPoint();
    case B::StepToLabel:
        return c.onLabel(letter);
    case B::Tenuki:
        return c.onTenuki();
    case B::AutoPlay:
        return c.onAutoPlay();
    case B::Trial:
        return c.onTrialStart();
    case B::TrialEnd:
        return c.onTrialEnd();
    case B::FewerNumbers:
        return c.onMoveNumberStep(-1);
    case B::MoreNumbers:
        return c.onMoveNumberStep(1);
    case B::Coordinates:
        return c.onToggleCoordinates();
    case B::Texture:
        return c.onCycleTexture();
    case B::CopyLine:
        return c.onCopyLine();
    }
}

std::optional<BrowserCommand> BoardInput::commandForKey(KeyStroke stroke, bool titlePictureShown) const
{
    // The picture takes the key itself; the pauses of auto-play interpret no key.
    if (titlePictureShown || controller_.autoPlayRunning() || !acceptsCommands())
        return std::nullopt;
    const BrowserCommand command = keyBindings::commandOf(stroke.key);
    if (!available(command, stroke.letter))
        return std::nullopt;
    return command;
}

std::optional<BrowserCommand> BoardInput::pressKey(KeyStroke stroke, bool titlePictureShown)
{
    const std::optional<BrowserCommand> command = commandForKey(stroke, titlePictureShown);
    if (command)
        run(*command, stroke.letter);
    return command;
}

void BoardInput::turnWheel(int angleDelta)
{
    if (!acceptsCommands())
        return;
    const int most = kWheelNotch * kMostNotchesPerTurn;
    wheelAngle_ += std::clamp(angleDelta, -most, most);
    const int notches = wheelAngle_ / kWheelNotch;
    wheelAngle_ -= notches * kWheelNotch;
    for (int i = 0; i < notches && available(B::Back, 0); ++i)
        controller_.onBack();
    const JosekiEngine& engine = controller_.engine();
    for (int i = 0; i > notches && controller_.browsing() && engine.candidateCount == 1; --i)
        controller_.onNext();
}

} // namespace joseki

#pragma once

#include "ui/controller/BrowserController.h"
#include "ui/controller/KeyBindings.h"

#include <optional>

namespace joseki {

// The keys and the wheel of the board, turned into commands of the
// controller: which command a key runs in which state (the table of
// KeyBindings, gated by the state), and how wheel turns count as notches.
class BoardInput {
public:
    explicit BoardInput(BrowserController& controller);

    // The command a key runs now, or nothing: nothing runs while the title
    // picture is up, during an auto-play pause, before the load, when the
    // key's button is disabled or when the command would do nothing.
    std::optional<BrowserCommand> commandForKey(KeyStroke stroke, bool titlePictureShown) const;
    // Runs what commandForKey gives and returns it.
    std::optional<BrowserCommand> pressKey(KeyStroke stroke, bool titlePictureShown);

    // The wheel over the board, in its angle units (120 to a notch), positive
    // when turned away from the user: a notch that way steps back (in trial
    // play, takes back), a notch the other way steps forward where exactly one
    // continuation follows (in trial play, nothing). A part of a notch counts
    // towards the next turn; it acts during auto-play pauses, as clicks do.
    void turnWheel(int angleDelta);

private:
    bool available(BrowserCommand command, char letter) const;
    void run(BrowserCommand command, char letter);
    bool acceptsCommands() const;
    bool hasCandidateOnBoard() const;

    BrowserController& controller_;
    int wheelAngle_ = 0; // not yet a whole notch
};

} // namespace joseki

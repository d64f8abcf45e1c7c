#pragma once

#include "core/Point.h"
#include "core/PositionIndex.h"

#include <string>
#include <vector>

namespace joseki {

class TrialBoard;

// What the book says about the trial board: whether its position stands in
// the book, what the book plays from there, or which trial move left it.
struct TrialAdvice {
    // The trial position stands in the book (at places).
    bool inBook = false;
    // In the book: where the trial position stands. Out of it: where the last
    // position of the trial that stood in the book did (none when not even the
    // start did). The first place is the book's line as the board shows it,
    // unturned, when there is one; the others follow in the tree's order.
    std::vector<BookPlace> places;
    // The continuations of every place, one entry per move with the verdicts of all its lines.
    std::vector<BookContinuation> continuations;
    // Out of the book: the trial move (1-based) after that last book position; 0 in the book.
    int leavingMove = 0;
    // In the book: the points of the continuations on the trial board, with
    // their images under the position's own symmetries; no tenuki, no point twice.
    std::vector<Point> marks;
    // The comment box's text (GBK).
    std::string comment;
};

// Reads trial play against the position index: each position the trial went
// through is looked up by its stones and the side the trial board would move.
class TrialBookAdvisor {
public:
    explicit TrialBookAdvisor(const PositionIndex& index) : index_(index) {}

    // The advice for the trial as it stands.
    TrialAdvice advise(const TrialBoard& trial) const;

private:
    void adviseInBook(TrialAdvice& advice, const PositionKey& position) const;
    void adviseOutOfBook(TrialAdvice& advice, const TrialBoard& trial) const;
    // Fills places (the unturned one first) and their merged continuations.
    void placesAt(TrialAdvice& advice, const PositionKey& position) const;

    const PositionIndex& index_;
};

} // namespace joseki

#include "ui/controller/TrialBookAdvisor.h"

#include "core/Symmetry.h"
#include "core/TrialBoard.h"
#include "ui/controller/BookNotes.h"
#include "ui/controller/ControllerTexts.h"

#include <algorithm>
#include <cstddef>

namespace joseki {

namespace {

using bookNotes::kLineBreak;

// The key of the trial's position after `moves` of its moves: the trial
// replayed from its start, as undo replays it.
std::vector<PositionKey> positionsOf(const TrialBoard& trial)
{
    TrialBoard replay;
    replay.startBoard = trial.startBoard;
    replay.baseStoneCount = trial.baseStoneCount;
    replay.restart();
    std::vector<PositionKey> keys;
    keys.reserve(static_cast<std::size_t>(trial.moveCount) + 1);
    for (int k = 0;; ++k) {
        keys.push_back(PositionKey::of(replay.position.board, replay.colourOfMove(k + 1)));
        if (k == trial.moveCount)
            return keys;
        const TrialBoard::Move& move = trial.moves[static_cast<std::size_t>(k + 1)];
        replay.play(move.col, move.row);
    }
}

void addMark(std::vector<Point>& marks, Point p)
{
    if (onBoard(p) && std::find(marks.begin(), marks.end(), p) == marks.end())
        marks.push_back(p);
}

// The continuation into the list, or its verdicts into the entry of the same move.
void merge(std::vector<BookContinuation>& list, const BookContinuation& continuation)
{
    for (BookContinuation& entry : list) {
        if (entry.move == continuation.move && entry.colour == continuation.colour) {
            entry.verdicts.add(continuation.verdicts);
            return;
        }
    }
    list.push_back(continuation);
}

} // namespace

TrialAdvice TrialBookAdvisor::advise(const TrialBoard& trial) const
{
    TrialAdvice advice;
    const PositionKey position = PositionKey::of(trial.position.board, trial.colourOfMove(trial.moveCount + 1));
    if (index_.contains(position))
        adviseInBook(advice, position);
    else
        adviseOutOfBook(advice, trial);
    return advice;
}

void TrialBookAdvisor::placesAt(TrialAdvice& advice, const PositionKey& position) const
{
    advice.places = index_.lookUp(position);
    std::stable_partition(advice.places.begin(), advice.places.end(),
                          [](const BookPlace& place) { return place.orientation == Orientation{}; });
    for (const BookPlace& place : advice.places)
        for (const BookContinuation& continuation : place.continuations)
            merge(advice.continuations, continuation);
}

void TrialBookAdvisor::adviseInBook(TrialAdvice& advice, const PositionKey& position) const
{
    advice.inBook = true;
    placesAt(advice, position);
    // A symmetric position has several images of each continuation, all book moves.
    const std::vector<int> ownSymmetries = PositionIndex::symmetriesOf(position);
    for (const BookContinuation& continuation : advice.continuations)
        for (const int s : ownSymmetries)
            addMark(advice.marks, symmetry::transform(continuation.move, s));

    advice.comment = controllerTexts::kTrialInBook;
    const std::string text = bookNotes::nodeText(*advice.places.front().node);
    if (!text.empty())
        advice.comment += kLineBreak + text;
    advice.comment += kLineBreak;
    if (advice.continuations.empty())
        advice.comment += controllerTexts::kTrialBookEnds;
    else
        advice.comment += controllerTexts::kTrialBookNext + bookNotes::continuationList(advice.continuations);
}

void TrialBookAdvisor::adviseOutOfBook(TrialAdvice& advice, const TrialBoard& trial) const
{
    const std::vector<PositionKey> keys = positionsOf(trial);
    // The last position before the end that stood in the book.
    int last = trial.moveCount - 1;
    while (last >= 0 && !index_.contains(keys[static_cast<std::size_t>(last)]))
        --last;
    if (last < 0) {
        advice.comment = controllerTexts::kTrialStartNotInBook;
        return;
    }
    advice.leavingMove = last + 1;
    placesAt(advice, keys[static_cast<std::size_t>(last)]);
    const TrialBoard::Move& move = trial.moves[static_cast<std::size_t>(advice.leavingMove)];
    const BookPlace& place = advice.places.front();
    advice.comment = controllerTexts::kMoveOrdinalOpen + std::to_string(advice.leavingMove) +
                     controllerTexts::kMoveOrdinalClose +
                     bookNotes::moveName(trial.colourOfMove(advice.leavingMove), Point{move.col, move.row}) +
                     controllerTexts::kTrialLeftBook + kLineBreak;
    if (advice.continuations.empty())
        advice.comment += controllerTexts::kTrialBookEnds;
    else
        advice.comment += controllerTexts::kTrialBookPlayed + bookNotes::continuationList(advice.continuations);
    advice.comment += kLineBreak + std::string(controllerTexts::kTrialBookPath) + bookNotes::pathOf(*place.node) +
                      bookNotes::orientationNote(place.orientation);
}

} // namespace joseki

#pragma once

#include "core/BoardPosition.h"
#include "core/BookVerdict.h"
#include "core/Point.h"
#include "core/PositionIndex.h"
#include "core/PositionKey.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace joseki {

class PracticeMemory;
struct VariationNode;

// Where practice starts and how the board shows it.
struct PracticeSetup {
    const VariationNode* start = nullptr; // the book node whose position practice starts from
    Orientation orientation;              // turns the book's positions into the board's
    std::int8_t student = kBlack;         // the student's colour on the board
    bool randomOrientation = false;       // started as practice in a random corner (the title says so)
};

// How the session took the student's move.
enum class PracticeAnswer {
    Played,         // a book move; the program has answered
    TrickPlayed,    // a book 骗着 or 失着 move: its comment explains it, the program answers with the refutation
    Refused,        // not a book move: nothing played
    BookMovesShown, // refused for the third time at this position: the book moves are marked
    Finished,       // the move ended the line: the report is in the comment
    Ignored         // no practice running, the line already ended, or no point of the board
};

// Practice of a line: the student plays one colour, the program the other,
// both from the book. The student's move is a book move when its position
// stands in the book, at a continuation of the current node or at any other
// node (another move order, or the same position turned): practice goes on
// from there. The program chooses among the book's continuations with
// weights that prefer 定式 lines and lean toward branches where the student
// missed before in this run. Every position is the book's own board turned
// by the current orientation.
class PracticeSession {
public:
    // Weight of a line by the verdict of its leaf, in BookVerdict order (None, 定式, 变化, 骗着, 失着).
    static constexpr std::array<std::uint64_t, kBookVerdictCount> kVerdictWeights{2, 4, 2, 1, 1};
    // A continuation weighs its lines' mean weight, times 1 + kMissLean × the misses recorded below it.
    static constexpr std::uint64_t kMissLean = 2;
    // Refusals at one position before the book moves are shown.
    static constexpr int kMissesBeforeShowing = 3;

    PracticeSession(const PositionIndex& index, PracticeMemory& memory, std::mt19937& random);

    // Starts practice from the setup's node; the program moves first when it
    // is to move. False, with no practice running, when the node is not
    // indexed or has no continuation.
    bool start(const PracticeSetup& setup);
    // Ends practice at once.
    void stop() { active_ = false; }
    // The student's move at a board point, or the no-move marker for a tenuki.
    PracticeAnswer play(Point move);

    bool active() const { return active_; }
    bool finished() const { return finished_; }
    const PracticeSetup& setup() const { return setup_; }
    // The position on the board, the moves of practice numbered from 1.
    const BoardPosition& board() const { return board_; }
    // The book moves marked after the third miss at this position (points on the board).
    const std::vector<Point>& shownMoves() const { return shown_; }
    // The comment box's text (GBK).
    const std::string& comment() const { return comment_; }
    // The book node the board stands at, and how it is turned onto the board.
    const VariationNode* node() const { return node_; }
    Orientation orientation() const { return orientation_; }
    // Student moves found at the first try, and refusals, in this line.
    int foundAtFirstTry() const { return foundAtFirstTry_; }
    int misses() const { return misses_; }
    // The verdict of the leaf the line ended at (None before the end).
    BookVerdict lineVerdict() const { return lineVerdict_; }

private:
    // The continuations of the current node on the board.
    std::vector<BookContinuation> continuations() const;
    std::int8_t sideToMove() const;
    // Plays the student's move, whose position stands at the node seen through the orientation.
    PracticeAnswer accept(Point move, const VariationNode& node, Orientation orientation);
    PracticeAnswer refuse(Point move);
    // The program's moves while it is to move, then the end of the line or the
    // student's turn; `text` says what was played before.
    PracticeAnswer answer(std::string text);
    const BookContinuation& choose(const std::vector<BookContinuation>& options);
    std::uint64_t weightOf(const BookContinuation& continuation) const;
    PracticeAnswer finish(std::string text);
    // Moves to the node and redraws the board from the book, numbering the moves played so far.
    void stand(const VariationNode& node, Orientation orientation);
    // The position after the student's move under the normal rule; nothing for an illegal move.
    bool positionAfter(Point move, Stones& stones) const;

    const PositionIndex& index_;
    PracticeMemory& memory_;
    std::mt19937& random_;
    PracticeSetup setup_;
    bool active_ = false;
    bool finished_ = false;
    const VariationNode* node_ = nullptr;
    Orientation orientation_;
    BoardPosition board_;
    std::vector<Point> moves_; // every move of practice on the board, the no-move marker for a tenuki
    std::vector<Point> shown_;
    std::string movesText_; // what the last moves were, shown above a refusal
    std::string comment_;
    int missesHere_ = 0;
    int foundAtFirstTry_ = 0;
    int misses_ = 0;
    BookVerdict lineVerdict_ = BookVerdict::None;
};

} // namespace joseki

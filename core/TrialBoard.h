#pragma once

#include "core/BoardPosition.h"

#include <array>
#include <cstdint>

namespace joseki {

inline constexpr int kTrialMoveLimit = 99;

// The user's own moves from a book position: turn, history and undo by
// replay, under the normal rule of core/Rules.h (captures, ko, suicide).
// Owns no heap memory.
class TrialBoard {
public:
    struct Move {
        std::int16_t col = -1;
        std::int16_t row = -1;
    };

    TrialBoard() = default;
    virtual ~TrialBoard() = default;

    // board := startBoard, all move numbers 0, no moves, no ko.
    void restart();
    // Plays the next stone at an empty on-board point, or refuses silently
    // (occupied or off the board, 99 moves, ko retake, suicide: then nothing
    // has changed).
    void play(int col, int row);
    // Takes back the last move by replaying the others from startBoard.
    void undo();

    // Colour of the k-th trial move (1-based): black when baseStoneCount + k is odd.
    std::int8_t colourOfMove(int k) const;

    Stones startBoard{};
    BoardPosition position; // `board` and `moveNumbers` of the trial
    std::int32_t baseStoneCount = 0;
    std::int32_t moveCount = 0;
    std::array<Move, kTrialMoveLimit + 1> moves{}; // entry 0 unused
    Move koPoint{};
    std::int32_t koMoveCount = -1;
};

} // namespace joseki

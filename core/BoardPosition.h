#pragma once

#include "core/Point.h"
#include "core/Rules.h"
#include "core/Stone.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace joseki {

// Returned by removeGroupIfDead when there is no stone to examine.
inline constexpr int kNoGroup = rules::kNoGroup;

// A 19x19 position: stone codes and the move number of the stone at each
// point. The group routines are those of core/Rules.h on `board`.
struct BoardPosition {
    Stones board{};
    std::array<std::int16_t, kPointCount> moveNumbers{};

    // Clears stones and move numbers.
    void clear();

    std::int8_t at(int col, int row) const { return board[static_cast<std::size_t>(pointIndex(col, row))]; }

    // Needs a point on the board; counts its empty on-board neighbours (0..4).
    int emptyNeighbourCount(int col, int row) const { return rules::emptyNeighbourCount(board, col, row); }

    // 99 for an off-board or empty point. Otherwise the liberty count of the group
    // there (an empty point touching k stones counts k times); a group with none is
    // taken off (move numbers kept) and 0 returned. *removed gets the stones taken.
    int removeGroupIfDead(int col, int row, int* removed = nullptr)
    {
        return rules::removeGroupIfDead(board, col, row, removed);
    }

    // Book capture rule: removeGroupIfDead on the four neighbours in order.
    void captureAround(int col, int row) { rules::captureAround(board, col, row); }

    // Takes off the group at the point when it has no liberty; true if it did.
    // What removeGroupIfDead does, without counting every liberty.
    bool removeIfWithoutLiberty(int col, int row) { return rules::removeIfWithoutLiberty(board, col, row); }

    // Places a book stone (no checks: an occupied point is overwritten), numbers it
    // with ++stoneCounter cut to 16 bits, then applies the book capture rule.
    void placeBookStone(int col, int row, std::int8_t colour, int& stoneCounter);
};

} // namespace joseki

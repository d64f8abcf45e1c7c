#pragma once

#include <array>
#include <cstdint>

namespace joseki {

inline constexpr int kBoardSize = 19;
inline constexpr int kPointCount = kBoardSize * kBoardSize;
// Coordinate of the no-move marker (19,19): a node without a move, or a tenuki.
inline constexpr int kNoMove = 19;

inline constexpr std::int8_t kEmpty = 0;
inline constexpr std::int8_t kBlack = 1;
inline constexpr std::int8_t kWhite = 2;

// Returned by removeGroupIfDead when there is no stone to examine.
inline constexpr int kNoGroup = 99;

// True for a point of the 19x19 board (the no-move marker is not one).
inline constexpr bool onBoard(int col, int row)
{
    return col >= 0 && col < kBoardSize && row >= 0 && row < kBoardSize;
}

// Index of a point in every per-point array: column-major.
inline constexpr int pointIndex(int col, int row) { return col * kBoardSize + row; }

// Neighbour offsets, always visited in this order: left, right, up, down.
inline constexpr std::array<std::array<int, 2>, 4> kNeighbourOffsets{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

// A 19x19 position: stone codes and the move number of the stone at each point.
struct BoardPosition {
    std::array<std::int8_t, kPointCount> board{};
    std::array<std::int16_t, kPointCount> moveNumbers{};

    // Clears stones and move numbers.
    void clear();

    std::int8_t at(int col, int row) const { return board[static_cast<std::size_t>(pointIndex(col, row))]; }

    // Needs a point on the board; counts its empty on-board neighbours (0..4).
    int emptyNeighbourCount(int col, int row) const;

    // 99 for an off-board or empty point. Otherwise the liberty count of the group
    // there (an empty point touching k stones counts k times); a group with none is
    // taken off (move numbers kept) and 0 returned. *removed gets the stones taken.
    int removeGroupIfDead(int col, int row, int* removed = nullptr);

    // Book capture rule: removeGroupIfDead on the four neighbours in order.
    void captureAround(int col, int row);

    // Takes off the group at the point when it has no liberty; true if it did.
    // What removeGroupIfDead does, without counting every liberty.
    bool removeIfWithoutLiberty(int col, int row);

    // Places a book stone (no checks: an occupied point is overwritten), numbers it
    // with ++stoneCounter cut to 16 bits, then applies the book capture rule.
    void placeBookStone(int col, int row, std::int8_t colour, int& stoneCounter);

private:
    using GroupList = std::array<std::int16_t, kPointCount>;
    // Collects the group of the stone at the point; returns its size, or 0
    // when stopAtLiberty is set and a liberty turns up first.
    int collectGroup(int col, int row, GroupList& group, bool stopAtLiberty) const;
    void clearGroup(const GroupList& group, int size);
};

} // namespace joseki

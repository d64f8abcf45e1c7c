#include "core/BoardPosition.h"

namespace joseki {

void BoardPosition::clear()
{
    board.fill(kEmpty);
    moveNumbers.fill(0);
}

int BoardPosition::emptyNeighbourCount(int col, int row) const
{
    int count = 0;
    for (const auto& offset : kNeighbourOffsets) {
        const int c = col + offset[0];
        const int r = row + offset[1];
        if (onBoard(c, r) && at(c, r) == kEmpty)
            ++count;
    }
    return count;
}

int BoardPosition::collectGroup(int col, int row, GroupList& group, bool stopAtLiberty) const
{
    // A visited map instead of rescanning the list from its head after each
    // addition: the same set, found in linear time.
    const std::int8_t code = at(col, row);
    std::array<bool, kPointCount> inGroup{};
    int size = 0;
    group[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(pointIndex(col, row));
    inGroup[static_cast<std::size_t>(pointIndex(col, row))] = true;
    for (int i = 0; i < size; ++i) {
        const int c = group[static_cast<std::size_t>(i)] / kBoardSize;
        const int r = group[static_cast<std::size_t>(i)] % kBoardSize;
        for (const auto& offset : kNeighbourOffsets) {
            const int nc = c + offset[0];
            const int nr = r + offset[1];
            if (!onBoard(nc, nr))
                continue;
            const auto index = static_cast<std::size_t>(pointIndex(nc, nr));
            if (stopAtLiberty && board[index] == kEmpty)
                return 0;
            if (board[index] == code && !inGroup[index]) {
                inGroup[index] = true;
                group[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(index);
            }
        }
    }
    return size;
}

void BoardPosition::clearGroup(const GroupList& group, int size)
{
    for (int i = 0; i < size; ++i)
        board[static_cast<std::size_t>(group[static_cast<std::size_t>(i)])] = kEmpty;
}

int BoardPosition::removeGroupIfDead(int col, int row, int* removed)
{
    if (removed != nullptr)
        *removed = 0;
    if (!onBoard(col, row) || at(col, row) == kEmpty)
        return kNoGroup;
    GroupList group; // filled up to the returned size
    const int size = collectGroup(col, row, group, false);
    int liberties = 0;
    for (int i = 0; i < size; ++i) {
        const int index = group[static_cast<std::size_t>(i)];
        liberties += emptyNeighbourCount(index / kBoardSize, index % kBoardSize);
    }
    if (liberties != 0)
        return liberties;
    clearGroup(group, size);
    if (removed != nullptr)
        *removed = size;
    return 0;
}

bool BoardPosition::removeIfWithoutLiberty(int col, int row)
{
    if (!onBoard(col, row) || at(col, row) == kEmpty)
        return false;
    // Most stones touch a liberty themselves; finding that needs no group walk.
    if (emptyNeighbourCount(col, row) != 0)
        return false;
    GroupList group; // filled up to the returned size
    const int size = collectGroup(col, row, group, true);
    if (size == 0)
        return false;
    clearGroup(group, size);
    return true;
}

void BoardPosition::captureAround(int col, int row)
{
    for (const auto& offset : kNeighbourOffsets)
        removeIfWithoutLiberty(col + offset[0], row + offset[1]);
}

void BoardPosition::placeBookStone(int col, int row, std::int8_t colour, int& stoneCounter)
{
    const auto index = static_cast<std::size_t>(pointIndex(col, row));
    board[index] = colour;
    ++stoneCounter;
    moveNumbers[index] = static_cast<std::int16_t>(stoneCounter);
    captureAround(col, row);
}

} // namespace joseki

#include "core/BoardPosition.h"

namespace joseki {

void BoardPosition::clear()
{
    board.fill(kEmpty);
    moveNumbers.fill(0);
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

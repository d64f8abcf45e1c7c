#include "core/TrialBoard.h"

#include <algorithm>
#include <cstddef>

namespace joseki {

namespace {

std::size_t indexOf(int col, int row) { return static_cast<std::size_t>(pointIndex(col, row)); }

std::int8_t opponentOf(std::int8_t colour) { return colour == kBlack ? kWhite : kBlack; }

} // namespace

void TrialBoard::restart()
{
    position.board = startBoard;
    position.moveNumbers.fill(0);
    moveCount = 0;
    // moveCount is never negative, so this alone lifts any ko; koPoint and the
    // history are only read again after they have been rewritten.
    koMoveCount = -1;
}

std::int8_t TrialBoard::colourOfMove(int k) const
{
    // Black places the odd-numbered stones of the whole sequence, book included.
    return ((baseStoneCount + k) % 2 != 0) ? kBlack : kWhite;
}

bool TrialBoard::isKoRetake(int col, int row) const
{
    return moveCount == koMoveCount && col == koPoint.col && row == koPoint.row &&
           position.emptyNeighbourCount(col, row) == 0;
}

void TrialBoard::removeIfDead(int col, int row)
{
    int removed = 0;
    if (position.removeGroupIfDead(col, row, &removed) == 0 && removed == 1) {
        // A single stone taken: its point is the ko point of this move. With two
        // such captures in one move the later one is kept.
        koPoint = Move{static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)};
        koMoveCount = moveCount;
    }
}

bool TrialBoard::hasFriendlyNeighbour(int col, int row, std::int8_t colour) const
{
    return std::any_of(kNeighbourOffsets.begin(), kNeighbourOffsets.end(), [&](const auto& offset) {
        const int c = col + offset[0];
        const int r = row + offset[1];
        return onBoard(c, r) && position.at(c, r) == colour;
    });
}

void TrialBoard::play(int col, int row)
{
    // The window only sends empty board points; anything else is refused so a
    // stone is never overwritten and no array is indexed off the board.
    if (!onBoard(col, row) || position.at(col, row) != kEmpty)
        return;
    if (moveCount >= kTrialMoveLimit || isKoRetake(col, row))
        return;

    ++moveCount;
    const std::int8_t colour = colourOfMove(moveCount);
    const std::size_t index = indexOf(col, row);
    position.board[index] = colour;
    position.moveNumbers[index] = static_cast<std::int16_t>(moveCount);
    moves[static_cast<std::size_t>(moveCount)] = Move{static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)};

    // Opponent groups first, so a stone that captures is never judged a suicide.
    const std::int8_t opponent = opponentOf(colour);
    for (const auto& offset : kNeighbourOffsets) {
        const int c = col + offset[0];
        const int r = row + offset[1];
        if (onBoard(c, r) && position.at(c, r) == opponent)
            removeIfDead(c, r);
    }

    // Only a lone capturing stone can be retaken at once; with a friendly
    // neighbour the retake would not restore the previous position.
    if (koMoveCount == moveCount && hasFriendlyNeighbour(col, row, colour)) {
        koMoveCount = -1;
        koPoint.col = -1;
    }

    // Suicide: the position is rebuilt as it was before this move. undo replays
    // only moves accepted before, none of them a suicide, so play and undo never
    // nest more than one level deep.
    removeIfDead(col, row);
    if (position.at(col, row) == kEmpty)
        undo();
}

void TrialBoard::undo()
{
    if (moveCount < 1)
        return;
    // Copy the history first: replay writes the same entries again.
    const int replayCount = moveCount - 1;
    std::array<Move, kTrialMoveLimit + 1> history = moves;
    restart();
    for (int k = 1; k <= replayCount; ++k) {
        const Move& move = history[static_cast<std::size_t>(k)];
        play(move.col, move.row);
    }
}

} // namespace joseki

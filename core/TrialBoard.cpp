#include "core/TrialBoard.h"

#include "core/Rules.h"

#include <cstddef>

namespace joseki {

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

void TrialBoard::play(int col, int row)
{
    // The window only sends empty board points; the rule refuses anything else,
    // so a stone is never overwritten and no array is indexed off the board.
    if (moveCount >= kTrialMoveLimit)
        return;
    // Only the move right after a single capture can be a retake.
    const Point koBan = moveCount == koMoveCount ? Point{koPoint.col, koPoint.row} : kNoMovePoint;
    const rules::MoveResult result = rules::playMove(position.board, col, row, colourOfMove(moveCount + 1), koBan);
    if (result.verdict != rules::Verdict::Played && result.verdict != rules::Verdict::Suicide)
        return;

    ++moveCount;
    position.moveNumbers[static_cast<std::size_t>(pointIndex(col, row))] = static_cast<std::int16_t>(moveCount);
    moves[static_cast<std::size_t>(moveCount)] = Move{static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)};

    // Suicide: the position is rebuilt as it was before this move. undo replays
    // only moves accepted before, none of them a suicide, so play and undo never
    // nest more than one level deep.
    if (result.verdict == rules::Verdict::Suicide) {
        undo();
        return;
    }
    if (onBoard(result.singleCapture)) {
        // A single stone taken: its point is the ko point of this move, unless
        // the capturing stone has a friendly neighbour, when a retake would not
        // restore the previous position.
        koPoint = Move{static_cast<std::int16_t>(result.singleCapture.col),
                       static_cast<std::int16_t>(result.singleCapture.row)};
        koMoveCount = moveCount;
        if (result.joinsFriend) {
            koMoveCount = -1;
            koPoint.col = -1;
        }
    }
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

// Random trial play and undo. After every operation: every stone's group has a
// liberty, at most 99 moves stand, and replaying the history from the start
// position gives the same board, numbers and ko state.
#include "core/TrialBoard.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t kMaxOperations = 400;

void checkEveryGroupHasALiberty(const joseki::TrialBoard& trial)
{
    for (int col = 0; col < joseki::kBoardSize; ++col) {
        for (int row = 0; row < joseki::kBoardSize; ++row) {
            if (trial.position.at(col, row) == joseki::kEmpty)
                continue;
            joseki::BoardPosition copy = trial.position;
            if (copy.removeGroupIfDead(col, row) == 0)
                __builtin_trap();
        }
    }
}

void checkReplay(const joseki::TrialBoard& trial)
{
    joseki::TrialBoard replay;
    replay.startBoard = trial.startBoard;
    replay.baseStoneCount = trial.baseStoneCount;
    replay.restart();
    for (int k = 1; k <= trial.moveCount; ++k)
        replay.play(trial.moves[static_cast<std::size_t>(k)].col, trial.moves[static_cast<std::size_t>(k)].row);
    if (replay.moveCount != trial.moveCount || replay.position.board != trial.position.board ||
        replay.position.moveNumbers != trial.position.moveNumbers || replay.koMoveCount != trial.koMoveCount)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);

    // A legal start position: whatever some trial moves on an empty board left.
    joseki::TrialBoard setup;
    setup.restart();
    const int setupMoves = input.ConsumeIntegralInRange(0, 60);
    for (int i = 0; i < setupMoves; ++i)
        setup.play(input.ConsumeIntegralInRange(0, 18), input.ConsumeIntegralInRange(0, 18));

    joseki::TrialBoard trial;
    trial.startBoard = setup.position.board;
    trial.baseStoneCount = input.ConsumeIntegralInRange(0, 300);
    trial.restart();

    for (std::size_t i = 0; i < kMaxOperations && input.remaining_bytes() > 0; ++i) {
        if (input.ConsumeIntegralInRange(0, 5) == 0) {
            trial.undo();
        } else {
            const int col = input.ConsumeIntegralInRange(-1, 19);
            const int row = input.ConsumeIntegralInRange(-1, 19);
            const bool occupied = joseki::onBoard(col, row) && trial.position.at(col, row) != joseki::kEmpty;
            const auto before = trial.position.board;
            const int movesBefore = trial.moveCount;
            trial.play(col, row);
            if ((occupied || !joseki::onBoard(col, row)) &&
                (trial.position.board != before || trial.moveCount != movesBefore))
                __builtin_trap();
        }
        if (trial.moveCount < 0 || trial.moveCount > joseki::kTrialMoveLimit)
            __builtin_trap();
        checkEveryGroupHasALiberty(trial);
        checkReplay(trial);
    }
    return 0;
}

#include "FrequencyRules.h"

namespace joseki::pack::frequency {

namespace {

constexpr std::uint64_t kWhole = 100;

} // namespace

bool isRare(int moveNumber, std::uint32_t positionGames, std::uint32_t moveGames)
{
    return moveNumber > kFamilyMoves && positionGames >= kRareMoveGames &&
           std::uint64_t{moveGames} * kWhole < std::uint64_t{positionGames} * kRarePercent;
}

std::optional<Continuation> refutation(const std::vector<Continuation>& moves, std::uint32_t positionGames,
                                       std::uint64_t claimed, std::uint32_t claimedGames)
{
    if (positionGames < kClaimGames)
        return std::nullopt;
    std::optional<Continuation> best;
    for (const Continuation& move : moves)
        if (!move.tenuki && move.child != claimed && (!best.has_value() || move.games > best->games))
            best = move;
    if (best.has_value() && best->games > 0 && std::uint64_t{best->games} >= std::uint64_t{claimedGames} * kClaimFactor)
        return best;
    return std::nullopt;
}

} // namespace joseki::pack::frequency

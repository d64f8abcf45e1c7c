#pragma once

#include "FrequencyTree.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace joseki::pack {

// What the engine-frequency tree says against a line or a claim.
//
// A 定式 line must not hold, after the corner stone and the approach, a move
// chosen in under 2% of the games at a position that at least 50 games reach
// (a move the tree lacks there counts as 0 games). A claim that a
// continuation is the most common (最常见, 最流行) is wrong at a position of
// at least 500 games where another local move, not a tenuki, is chosen at
// least twice as often.
namespace frequency {

// Moves 1 and 2 of a line, the corner stone and the approach, name the family and are never rare.
inline constexpr int kFamilyMoves = 2;
inline constexpr std::uint32_t kRareMoveGames = 50;
inline constexpr std::uint32_t kRarePercent = 2;
inline constexpr std::uint32_t kClaimGames = 500;
inline constexpr std::uint32_t kClaimFactor = 2;

// True when move number `moveNumber` (from 1) of a line, chosen in
// `moveGames` of the `positionGames` games at its position, is rare.
bool isRare(int moveNumber, std::uint32_t positionGames, std::uint32_t moveGames);

// The local move, other than the claimed one (its position's canonical key
// `claimed`), chosen at least twice as often as the claim's `claimedGames`,
// among the moves from a position of `positionGames` games; nothing when the
// claim holds or the position has too few games to judge.
std::optional<Continuation> refutation(const std::vector<Continuation>& moves, std::uint32_t positionGames,
                                       std::uint64_t claimed, std::uint32_t claimedGames);

} // namespace frequency

} // namespace joseki::pack

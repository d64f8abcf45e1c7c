#pragma once

#include "core/Point.h"

#include <array>
#include <cstdint>

namespace joseki {

// Stone codes, signed 8-bit: no other value is ever stored by the rules.
inline constexpr std::int8_t kEmpty = 0;
inline constexpr std::int8_t kBlack = 1;
inline constexpr std::int8_t kWhite = 2;

// The stones of a whole board, one code per point, column-major.
using Stones = std::array<std::int8_t, kPointCount>;

// The other colour of black or white; any other code unchanged.
inline constexpr std::int8_t opponentOf(std::int8_t colour)
{
    return colour == kBlack ? kWhite : colour == kWhite ? kBlack : colour;
}

// The stone of a move's colour letter: 'B' or 'b' black, 'W' or 'w' white,
// anything else no stone.
inline constexpr std::int8_t stoneForColourLetter(char letter)
{
    if (letter == 'B' || letter == 'b')
        return kBlack;
    if (letter == 'W' || letter == 'w')
        return kWhite;
    return kEmpty;
}

} // namespace joseki

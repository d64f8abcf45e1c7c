#pragma once

#include <cstdint>

namespace joseki {

// The finaliser of the splitmix64 generator: a bijection of 64-bit values in
// which every output bit depends on every input bit, for hash tables and keys.
inline constexpr std::uint64_t mixBits(std::uint64_t z)
{
    constexpr std::uint64_t kMixFirst = 0xBF58476D1CE4E5B9ULL;
    constexpr std::uint64_t kMixSecond = 0x94D049BB133111EBULL;
    constexpr int kShiftFirst = 30;
    constexpr int kShiftSecond = 27;
    constexpr int kShiftLast = 31;
    z = (z ^ (z >> kShiftFirst)) * kMixFirst;
    z = (z ^ (z >> kShiftSecond)) * kMixSecond;
    return z ^ (z >> kShiftLast);
}

// The Weyl step splitmix64 adds to its state before each mix.
inline constexpr std::uint64_t kWeylStep = 0x9E3779B97F4A7C15ULL;

} // namespace joseki

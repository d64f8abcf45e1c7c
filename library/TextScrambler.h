#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace joseki {

// Keyed, length-preserving scrambling of a zero-terminated byte string, in
// place: a rotation of byte triples, a substitution through a permutation
// derived from keyTable, and a position-keyed addition modulo 255. Zero bytes
// are neither produced nor consumed. The derived tables are process-wide and
// built on first use; single-threaded use only.
namespace TextScrambler {

inline constexpr std::size_t kTableSize = 256;
using Table = std::array<std::uint8_t, kTableSize>;

// The fixed key every container is scrambled with. Never change it: a
// container is readable only with the key its text was scrambled with.
extern const Table keyTable;

// Fills forwardTable and inverseTable from keyTable.
void buildTables();
// True when the derived tables are built (entries 1, 2 and 10 of forwardTable non-zero).
bool tablesBuilt();

// Scrambles the string up to its first zero byte, in place; length and terminator stay.
void scramble(char* text);
// Exact inverse of scramble, in place, up to the first zero byte.
void descramble(char* text);

// The derived permutation of 1..255 (0 stays 0) and its inverse, as they stand.
const Table& forwardTable();
const Table& inverseTable();
// How many times buildTables has run in this process.
unsigned buildCount();
// Zero-fills the derived tables as at process start, so that the next
// scramble or descramble builds them again (used by tests of the lazy build).
void discardTables();

} // namespace TextScrambler

} // namespace joseki

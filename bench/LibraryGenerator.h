#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace joseki::bench {

// Writes a library text (GBK, in the reader's dialect) of exactly `bytes`
// bytes: legal joseki-like lines in the four corners, with comments at branch
// points and leaves, branch labels, names and tenuki nodes. The same seed
// gives the same text.
std::string generateLibrary(std::size_t bytes, std::uint32_t seed = 20261209);

} // namespace joseki::bench

#pragma once

#include <cstddef>
#include <string>

namespace joseki::pack {

// `joseki-pack convert IN OUT [--tree N]`: game tree N (from 1) of a standard
// SGF file, in whatever character set it was saved (see decodeSgf), into a
// library text in the dialect, in GBK. Prints a one-line summary; what had
// to change or be guessed goes to standard error. Returns the exit status.
namespace SgfConverter {

int convert(const std::string& inputPath, const std::string& outputPath, std::size_t tree);

} // namespace SgfConverter

} // namespace joseki::pack

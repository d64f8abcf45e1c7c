#pragma once

#include <cstddef>
#include <string>

namespace joseki::pack {

// `joseki-pack convert IN OUT [--tree N]`: game tree N (from 1) of a standard
// SGF file (UTF-8, GBK or GB2312 as its CA says, UTF-8 when it says nothing)
// into a library text in the dialect, in GBK. Prints a one-line summary; what had
// to change or be guessed goes to standard error. Returns the exit status.
class SgfConverter {
public:
    static int convert(const std::string& inputPath, const std::string& outputPath, std::size_t tree);
};

} // namespace joseki::pack

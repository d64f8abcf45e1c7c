#pragma once

#include "core/BrowsedLine.h"

#include <string>

namespace joseki {

// Writes a line of the browser as a standard SGF game tree (FF[4], UTF-8)
// that any SGF editor reads: the window copies it to the clipboard and
// `joseki-pack export` prints it, byte for byte the same.
namespace SgfLineWriter {

// "(;FF[4]CA[UTF-8]GM[1]SZ[19]" and the root's texts, then one node per line
// for each later book node (its move, a tenuki as a pass "B[]", its name,
// comment and well-formed labels) and each trial move, then ")" and a line
// break. Texts go from GBK to UTF-8 first and are then escaped ("\" and "]",
// and ":" in a label); the root's own move, which the board never shows, is
// left out. An empty line gives the header alone.
std::string write(const BrowsedLine& line);

} // namespace SgfLineWriter

} // namespace joseki

#pragma once

#include <string>

namespace joseki::pack {

// Reads a library text of any size with the system's own reader, exactly as
// the browser reads it at start, and reports on it.
namespace LibraryInspector {

// `joseki-pack check LIB`: prints every message box the browser would
// show, then a "warning:" line per problem in the tree. Exit status 0
// only when nothing was printed.
int check(const std::string& libraryPath);

// `joseki-pack stats LIB`: one line with the shape of the tree.
int stats(const std::string& libraryPath);

} // namespace LibraryInspector

} // namespace joseki::pack

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace joseki {
class JosekiEngine;
}

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

// `joseki-pack export LIB PATH...`: the line from the root along the moves of
// the path (see PathFollower) as standard SGF on standard output, the text
// the browser copies for that line. Message boxes of the load go to standard
// error.
int exportLine(const std::string& libraryPath, const std::vector<std::string>& path);

// Reads the file into the engine and reads its tree, as the browser does at
// start; the text ends at its first zero byte. `text` views the whole file as
// the engine holds it. False, with the reason on standard error, when the
// file cannot be read.
bool readFile(const std::string& path, JosekiEngine& engine, std::string_view& text);

} // namespace LibraryInspector

} // namespace joseki::pack

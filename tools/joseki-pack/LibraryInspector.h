#pragma once

#include <string>

namespace joseki::pack {

// Reads a library text of any size with the system's own reader, exactly as
// the browser reads it at start, and reports on it.
class LibraryInspector {
public:
    // `joseki-pack check LIB`: prints every message box the browser would
    // show, then a "warning:" line per problem in the tree. Exit status 0
    // only when nothing was printed.
    static int check(const std::string& libraryPath);

    // `joseki-pack stats LIB`: one line with the shape of the tree.
    static int stats(const std::string& libraryPath);
};

} // namespace joseki::pack

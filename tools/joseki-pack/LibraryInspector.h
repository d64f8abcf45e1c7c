#pragma once

#include <string>

namespace joseki {
class JosekiEngine;
}

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

    // Reads the file into the engine's text buffer and reads its tree, as the
    // browser does at start; the text ends at its first zero byte. False,
    // with the reason on standard error, when the file cannot be read.
    static bool readFile(const std::string& path, JosekiEngine& engine, std::string& text);
};

} // namespace joseki::pack

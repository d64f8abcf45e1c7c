#pragma once

#include <string>
#include <vector>

namespace joseki {
struct VariationNode;
}

namespace joseki::pack {

// The linter's commands. Both read the library with the system's reader,
// as the browser does, and print UTF-8.
namespace linting {

// `joseki-pack lint LIB [--stats TREE.sgf]`: every message box the reader
// shows ("message: …"), then one line "PATH: message" per finding of the
// Linter, with the frequency tree when a path is given (empty: none). Exit
// status 0 only when nothing was printed.
int lint(const std::string& libraryPath, const std::string& statsPath);

// `joseki-pack describe LIB`: one line per move, "PATH: shape", with the
// lead clause that lint judges (shape descriptions as in ShapeDescription).
int describe(const std::string& libraryPath);

// The lines describe prints for a tree (GBK).
std::vector<std::string> describeTree(const VariationNode* root);

} // namespace linting

} // namespace joseki::pack

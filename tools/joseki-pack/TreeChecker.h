#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace joseki {
struct VariationNode;
}

namespace joseki::pack {

// Shape of a variation tree. Depth counts the steps from the root to the deepest node.
struct TreeStats {
    std::size_t nodes = 0;
    std::size_t leaves = 0;
    std::size_t depth = 0;
    std::size_t branches = 0; // nodes with more than one child
    std::size_t maxChildren = 0;
};

// Walks a tree read by the system's reader (iteratively) and finds what the
// browser would show wrongly or not at all.
namespace TreeChecker {

// Counts the tree; an empty tree for a null root.
TreeStats measure(const VariationNode* root);

// One line per problem, naming the node by its path of moves from the
// root: a move to an occupied point, a suicide under normal rules, two
// children at one point, more children than the browser lists, colours
// that do not alternate (tenuki moves counted), a point half off the board.
std::vector<std::string> check(const VariationNode* root);

// The path of moves from the root to the node, e.g. "B pd > (2) W qc".
std::string describe(const VariationNode* node);

} // namespace TreeChecker

} // namespace joseki::pack

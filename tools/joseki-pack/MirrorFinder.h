#pragma once

#include "core/Symmetry.h"

#include <functional>
#include <vector>

namespace joseki {
struct VariationNode;
}

namespace joseki::pack {

// Two children of one node whose subtrees are mirror images of each other.
struct MirrorPair {
    const VariationNode* parent;
    const VariationNode* first; // the earlier child in written order
    const VariationNode* second;
};

// Mirror copies in a tree: sibling subtrees that are the diagonal reflection
// (col,row) -> (18-row, 18-col) of each other, move for move and colour for
// colour (comments aside, siblings in any order), below a node whose
// position is itself symmetric about that diagonal. Elsewhere a reflected
// line is another line, not a copy. Each subtree is hashed once, bottom up,
// so the search takes time in proportion to the tree.
namespace mirrors {

// The reflection about the diagonal through the upper-right corner.
inline constexpr int kDiagonal = symmetry::kTranspose | symmetry::kMirrorCol | symmetry::kMirrorRow;

// Every such pair, in written order of their parents; `symmetricAfter(node)`
// says whether the position after that node's move is symmetric.
std::vector<MirrorPair> find(const VariationNode* root,
                             const std::function<bool(const VariationNode&)>& symmetricAfter);

} // namespace mirrors

} // namespace joseki::pack

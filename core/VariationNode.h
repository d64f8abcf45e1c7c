#pragma once

#include <cstdint>

namespace joseki {

// A NUL-terminated GBK text held by the tree's NodeArena; null when absent.
using NodeText = const char*;

// Mark kinds as stored in NodeMark::kind.
enum MarkKind : std::int32_t {
    kMarkTriangle = 10,
    kMarkCircle = 11,
    kMarkSquare = 12,
    kMarkSelect = 13,
    kMarkCross = 14
};

// One mark record of a node (kept, never drawn). It lives in the tree's arena.
struct NodeMark {
    std::int32_t kind = 0;
    std::uint8_t col = 0;
    std::uint8_t row = 0;
    NodeMark* next = nullptr; // the next mark of the same node, in file order

    NodeMark() = default;
    NodeMark(const NodeMark&) = delete;
    NodeMark& operator=(const NodeMark&) = delete;
};

// One node of the joseki tree. Its texts, its marks, its firstChild subtree
// and its nextSibling chain are its own in the tree's shape; their memory is
// the tree's NodeArena, which releases the whole tree at once.
struct VariationNode {
    char color = 0;        // 'B' or 'W' from the move property; 0 without one
    std::uint8_t col = 19; // 0..18, or 19 for no move
    std::uint8_t row = 19;
    NodeText name = nullptr;
    NodeText comment = nullptr;
    NodeText whiteSetup = nullptr;
    NodeText blackSetup = nullptr;
    NodeText branchInfo = nullptr;
    NodeMark* marks = nullptr; // in file order
    VariationNode* parent = nullptr;
    VariationNode* nextSibling = nullptr;
    VariationNode* firstChild = nullptr;

    VariationNode() = default;
    VariationNode(const VariationNode&) = delete;
    VariationNode& operator=(const VariationNode&) = delete;

    bool hasMove() const { return col < 19 && row < 19; }
    bool hasSeveralChildren() const { return firstChild != nullptr && firstChild->nextSibling != nullptr; }
};

} // namespace joseki

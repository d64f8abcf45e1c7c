#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace joseki {

// A NUL-terminated GBK text owned by its holder; null when absent.
using OwnedText = std::unique_ptr<char[]>;

// Copies n bytes into a new NUL-terminated text.
OwnedText makeText(const char* bytes, std::size_t n);

// Mark kinds as stored in NodeMark::kind.
enum MarkKind : std::int32_t {
    kMarkTriangle = 10,
    kMarkCircle = 11,
    kMarkSquare = 12,
    kMarkSelect = 13,
    kMarkCross = 14
};

// One mark record of a node (kept, never drawn).
struct NodeMark {
    std::int32_t kind = 0;
    std::uint8_t col = 0;
    std::uint8_t row = 0;
    NodeMark* next = nullptr; // owned

    NodeMark() = default;
    NodeMark(const NodeMark&) = delete;
    NodeMark& operator=(const NodeMark&) = delete;
    ~NodeMark(); // frees the rest of the list without recursion
};

// One node of the joseki tree. It owns its texts, its marks, its firstChild
// subtree and its nextSibling chain; deleting it frees all of them, iteratively,
// so no tree shape can exhaust the stack.
struct VariationNode {
    char color = 0;        // 'B' or 'W' from the move property; 0 without one
    std::uint8_t col = 19; // 0..18, or 19 for no move
    std::uint8_t row = 19;
    OwnedText name;
    OwnedText comment;
    OwnedText whiteSetup;
    OwnedText blackSetup;
    OwnedText branchInfo;
    NodeMark* marks = nullptr;    // owned list, in file order
    NodeMark* lastMark = nullptr; // end of that list, for appending
    VariationNode* parent = nullptr;
    VariationNode* nextSibling = nullptr; // owned
    VariationNode* firstChild = nullptr;  // owned

    VariationNode() = default;
    VariationNode(const VariationNode&) = delete;
    VariationNode& operator=(const VariationNode&) = delete;
    ~VariationNode();

    bool hasMove() const { return col < 19 && row < 19; }
    bool hasSeveralChildren() const { return firstChild != nullptr && firstChild->nextSibling != nullptr; }

    // Appends a mark at the end of the list.
    void appendMark(NodeMark* mark);
};

} // namespace joseki

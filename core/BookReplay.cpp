#include "core/BookReplay.h"

#include "core/VariationNode.h"

namespace joseki::book {

Placement placeMove(BoardPosition& position, const VariationNode& node, int& stoneCount)
{
    if (!node.hasMove())
        return Placement::NoStone;
    const std::int8_t code = stoneForColourLetter(node.color);
    if (code == kEmpty)
        return Placement::IllegalColour;
    position.placeBookStone(node.col, node.row, code, stoneCount);
    return Placement::Placed;
}

bool positionBefore(const VariationNode& node, BoardPosition& position, int& stoneCount)
{
    position.clear();
    stoneCount = 0;
    if (node.parent == nullptr)
        return true;
    // Everything above the node but the root, whose own move is never placed.
    const std::vector<const VariationNode*> line = pathFromRoot(*node.parent);
    for (auto it = line.begin() + 1; it != line.end(); ++it) {
        if (placeMove(position, **it, stoneCount) == Placement::IllegalColour)
            return false;
    }
    return true;
}

std::vector<const VariationNode*> pathFromRoot(const VariationNode& node)
{
    // Collected upwards first: a tree may be far deeper than a call stack.
    std::vector<const VariationNode*> line;
    for (const VariationNode* p = &node; p != nullptr; p = p->parent)
        line.push_back(p);
    return {line.rbegin(), line.rend()};
}

} // namespace joseki::book

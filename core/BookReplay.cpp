#include "core/BookReplay.h"

#include "core/VariationNode.h"

#include <vector>

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
    // The line is collected upwards first: a tree may be far deeper than a call stack.
    std::vector<const VariationNode*> line;
    for (const VariationNode* p = node.parent; p != nullptr && p->parent != nullptr; p = p->parent)
        line.push_back(p);
    for (auto it = line.rbegin(); it != line.rend(); ++it) {
        if (placeMove(position, **it, stoneCount) == Placement::IllegalColour)
            return false;
    }
    return true;
}

} // namespace joseki::book

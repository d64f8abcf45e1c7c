#pragma once

#include "core/BoardPosition.h"

#include <vector>

namespace joseki {
struct VariationNode;
}

// The book board of a line of the tree: the moves from the root down to a
// node, placed with the book rule, as the browser shows them.
namespace joseki::book {

enum class Placement { Placed, NoStone, IllegalColour };

// Places the node's move with the book rule and the next stone number. A node
// without a point on the board places nothing (NoStone); a colour letter other
// than B, b, W or w places nothing either (IllegalColour).
Placement placeMove(BoardPosition& position, const VariationNode& node, int& stoneCount);

// The book board just before the node's own move: every move from the root's
// first child down to the node's parent (the root's own move is never
// placed). False when an illegal colour stopped the replay; position and
// count then hold the stones up to there.
bool positionBefore(const VariationNode& node, BoardPosition& position, int& stoneCount);

// The nodes from the root of the node's tree down to the node itself, root first.
std::vector<const VariationNode*> pathFromRoot(const VariationNode& node);

} // namespace joseki::book

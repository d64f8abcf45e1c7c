#pragma once

#include <string>
#include <vector>

namespace joseki {
struct VariationNode;
}

namespace joseki::pack {

// A line of a library named by its moves, in the board's own coordinates as
// the browser paints them: "B Q16 W R17 B tenuki". Each move is a point
// (column letter A..T without K, either case, then the row 1..19) or the word
// "tenuki", with its colour word B or W before it when wanted; the words may
// stand in one operand or in several.
namespace PathFollower {

// The nodes from the root along the moves, each the first child at its point
// as a click on the board takes it: true with `nodes` (root first), or false
// with `problem` naming the first word that cannot be followed.
bool follow(const VariationNode& root, const std::vector<std::string>& operands,
            std::vector<const VariationNode*>& nodes, std::string& problem);

} // namespace PathFollower

} // namespace joseki::pack

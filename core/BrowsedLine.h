#pragma once

#include "core/Point.h"

#include <vector>

namespace joseki {

struct VariationNode;

// A line as the board shows it: the book nodes from the root down to the node
// where the line leaves the book, then the moves of trial play from there.
// The nodes belong to the engine's tree and live as long as it does.
struct BrowsedLine {
    // A trial move: colour letter 'B' or 'W' and a point on the board.
    struct Move {
        char colour = 0;
        Point point;
        friend bool operator==(const Move&, const Move&) = default;
    };

    std::vector<const VariationNode*> bookNodes; // root first
    std::vector<Move> trialMoves;
};

} // namespace joseki

#pragma once

#include "FrequencyTree.h"
#include "MovePaths.h"
#include "PopularityClaim.h"
#include "VerdictRules.h"

#include "core/PositionKey.h"
#include "core/Stone.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace joseki {
struct VariationNode;
}

namespace joseki::pack {

// The checker of teaching text: every node of a library tree against the
// conventions of the library. Each node needs a comment; each move's lead
// term must not contradict its shape; letters and labels must match; leaves
// carry exactly one verdict and trick or mistake lines go on past the move;
// sibling subtrees must not be mirror copies; the moves must be playable and
// alternate. With a frequency tree, a 定式 line must not hold a move strong
// play rarely chooses, and a claim of the most common continuation must hold.
class Linter {
public:
    // Checks a tree read by the system's reader; `frequencies` may be null.
    Linter(const VariationNode* root, const FrequencyTree* frequencies);

    // Every finding as "PATH: message" (GBK), in the written order of the
    // nodes; the path names the moves from the root in the board's
    // coordinates ("B Q16 W R14 B tenuki"), "root" for the root.
    std::vector<std::string> run();

private:
    // The line a visit leaves behind for the nodes below.
    struct LineState {
        Stones board{};        // under the normal rule, before the next move
        Stones corner{};       // the moves inside the upper-right 10x10 corner only, for the frequencies
        PositionKey cornerKey; // of `corner`, its side to move set before each use
        char lastColour = 0;
        int moves = 0;
    };
    // The corner position of the frequency view.
    struct Corner {
        Stones stones;
        PositionKey key;
    };
    // What the linter keeps of a node of the current line.
    struct Step {
        std::size_t record = 0;
        verdicts::MarksAbove marks; // the trick and mistake openings of this node and the ones above
        std::string rare;           // the move, when it is rare by the frequencies
    };
    struct Finding {
        std::size_t record;
        std::string message;
    };

    void visit(const VariationNode& node, std::size_t depth, LineState& state);
    void checkComment(const VariationNode& node, std::size_t depth);
    void checkMove(const VariationNode& node, LineState& state);
    void checkLeaf(const std::string& comment, std::size_t depth);
    void checkFrequency(const VariationNode& node, LineState& state);
    void checkClaims(const VariationNode& node, const std::vector<PopularityClaim>& claims, const Corner& before,
                     const LineState& after);
    void checkMirrors();
    void add(std::size_t record, std::string message);

    const VariationNode* root_;
    const FrequencyTree* frequencies_;
    MovePaths paths_;
    std::vector<Step> line_; // by depth
    std::vector<Finding> findings_;
    std::unordered_map<const VariationNode*, std::size_t> symmetricBranches_; // node -> record
};

} // namespace joseki::pack

#pragma once

#include "core/VariationNode.h"

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace joseki::pack {

// Visits every node of a tree in written order, root first, each with the
// state its parent's visit left behind (the position of its line, say): the
// state is handed from a node to its only child as it is and copied once at
// a node with several children. Iterative, so no depth of tree can exhaust
// the call stack; the copies kept at any time are those of the branch points
// on the current line.
//
// visit(const VariationNode& node, std::size_t depth, State& state), depth 0 for the root.
template <typename State, typename Visit> void walkLines(const VariationNode* root, State state, Visit&& visit)
{
    constexpr std::size_t kFromParent = std::numeric_limits<std::size_t>::max();
    struct Frame {
        const VariationNode* node;
        std::size_t depth;
        std::size_t saved; // index into `saved`, or kFromParent: the state as the last visit left it
    };
    struct Saved {
        State state;
        std::size_t usersLeft;
    };
    if (root == nullptr)
        return;
    std::vector<Frame> frames{{root, 0, kFromParent}};
    std::vector<Saved> saved;
    std::vector<const VariationNode*> children;
    while (!frames.empty()) {
        const Frame frame = frames.back();
        frames.pop_back();
        if (frame.saved != kFromParent) {
            // The branch point's copy is the newest one: its other children are all done.
            Saved& branch = saved[frame.saved];
            if (--branch.usersLeft == 0) {
                state = std::move(branch.state);
                saved.pop_back();
            } else {
                state = branch.state;
            }
        }
        visit(*frame.node, frame.depth, state);
        children.clear();
        for (const VariationNode* child = frame.node->firstChild; child != nullptr; child = child->nextSibling)
            children.push_back(child);
        if (children.size() == 1) {
            frames.push_back({children.front(), frame.depth + 1, kFromParent});
            continue;
        }
        if (children.empty())
            continue;
        saved.push_back({state, children.size()});
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            frames.push_back({*it, frame.depth + 1, saved.size() - 1});
    }
}

} // namespace joseki::pack

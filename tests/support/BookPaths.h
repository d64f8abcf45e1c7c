#pragma once

#include <initializer_list>

namespace joseki {
struct VariationNode;
}

namespace joseki::test {

// The node reached from `root` by moves named in SGF letters ("dd", "tt" for
// a tenuki, "" for a node without a move), each the first child that fits;
// fails the test and answers the root when a move is not there.
const VariationNode* nodeAt(const VariationNode* root, std::initializer_list<const char*> moves);

} // namespace joseki::test

#pragma once

#include <cstddef>
#include <unordered_map>

namespace joseki {

struct VariationNode;

// Where the student missed during this run of the program, so that practice
// can lean toward those branches; nothing of it is kept between runs.
class PracticeMemory {
public:
    // A miss at the node's position: it counts for the node and every node above it.
    void recordMiss(const VariationNode& node);
    // The misses recorded at the node or anywhere below it.
    int missesBelow(const VariationNode& node) const;
    // Every miss recorded so far.
    int totalMisses() const { return total_; }

private:
    std::unordered_map<const VariationNode*, int> below_;
    int total_ = 0;
};

} // namespace joseki

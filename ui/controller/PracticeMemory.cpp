#include "ui/controller/PracticeMemory.h"

#include "core/VariationNode.h"

namespace joseki {

void PracticeMemory::recordMiss(const VariationNode& node)
{
    // Counted upwards once, so that asking is a single look-up.
    for (const VariationNode* p = &node; p != nullptr; p = p->parent)
        ++below_[p];
    ++total_;
}

int PracticeMemory::missesBelow(const VariationNode& node) const
{
    const auto it = below_.find(&node);
    return it == below_.end() ? 0 : it->second;
}

} // namespace joseki

#include "MirrorFinder.h"

#include "core/HashMix.h"
#include "core/Symmetry.h"
#include "core/VariationNode.h"

#include <cstdint>
#include <unordered_map>

namespace joseki::pack::mirrors {

namespace {

constexpr std::uint64_t kColourShift = 16;
constexpr std::uint64_t kPointsPerLine = 32;

struct Entry {
    const VariationNode* node;
    std::size_t parent;      // index in the list; the root's own index for the root
    std::uint64_t plain = 0; // sum over the children of their mixed hashes, then the node's hash
    std::uint64_t reflected = 0;
};

std::uint64_t moveCode(const VariationNode& node, bool reflect)
{
    Point point{node.col, node.row};
    if (reflect)
        point = symmetry::transform(point, kDiagonal);
    return (static_cast<std::uint64_t>(static_cast<unsigned char>(node.color)) << kColourShift) ^
           (static_cast<std::uint64_t>(point.col) * kPointsPerLine + static_cast<std::uint64_t>(point.row));
}

// Every node in written order, each after its parent.
std::vector<Entry> listNodes(const VariationNode* root)
{
    std::vector<Entry> entries;
    std::vector<std::pair<const VariationNode*, std::size_t>> open{{root, 0}};
    std::vector<const VariationNode*> children;
    while (!open.empty()) {
        const auto [node, parent] = open.back();
        open.pop_back();
        const std::size_t index = entries.size();
        entries.push_back({node, entries.empty() ? 0 : parent});
        children.clear();
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
            children.push_back(child);
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            open.push_back({*it, index});
    }
    return entries;
}

// Children come after their parents, so one pass from the end finishes
// every subtree before its parent takes it in.
void hashSubtrees(std::vector<Entry>& entries)
{
    for (std::size_t i = entries.size(); i-- > 0;) {
        Entry& entry = entries[i];
        entry.plain = mixBits(mixBits(entry.plain) ^ moveCode(*entry.node, false));
        entry.reflected = mixBits(mixBits(entry.reflected) ^ moveCode(*entry.node, true));
        if (i == 0)
            continue;
        entries[entry.parent].plain += mixBits(entry.plain + kWeylStep);
        entries[entry.parent].reflected += mixBits(entry.reflected + kWeylStep);
    }
}

void pairChildren(const Entry& parent, const std::unordered_map<const VariationNode*, std::size_t>& indexOf,
                  const std::vector<Entry>& entries, std::vector<MirrorPair>& pairs)
{
    std::unordered_map<std::uint64_t, std::vector<const VariationNode*>> earlier;
    for (const VariationNode* child = parent.node->firstChild; child != nullptr; child = child->nextSibling) {
        const Entry& entry = entries[indexOf.at(child)];
        const auto found = earlier.find(entry.reflected);
        if (found != earlier.end())
            for (const VariationNode* first : found->second)
                pairs.push_back({parent.node, first, child});
        earlier[entry.plain].push_back(child);
    }
}

} // namespace

std::vector<MirrorPair> find(const VariationNode* root, const std::function<bool(const VariationNode&)>& symmetricAfter)
{
    std::vector<MirrorPair> pairs;
    if (root == nullptr)
        return pairs;
    std::vector<Entry> entries = listNodes(root);
    hashSubtrees(entries);
    std::unordered_map<const VariationNode*, std::size_t> indexOf;
    indexOf.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        indexOf[entries[i].node] = i;
    for (const Entry& entry : entries)
        if (entry.node->hasSeveralChildren() && symmetricAfter(*entry.node))
            pairChildren(entry, indexOf, entries, pairs);
    return pairs;
}

} // namespace joseki::pack::mirrors

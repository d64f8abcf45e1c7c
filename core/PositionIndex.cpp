#include "core/PositionIndex.h"

#include "core/BookReplay.h"
#include "core/Rules.h"
#include "core/Symmetry.h"
#include "core/VariationNode.h"

#include <algorithm>
#include <functional>

namespace joseki {

namespace {

// A node the book board can show: no move, or a move of a stone colour.
bool isIndexable(const VariationNode& node) { return !node.hasMove() || stoneForColourLetter(node.color) != kEmpty; }

const VariationNode* firstIndexable(const VariationNode* node)
{
    while (node != nullptr && !isIndexable(*node))
        node = node->nextSibling;
    return node;
}

bool byAddress(const std::pair<const VariationNode*, std::uint32_t>& a,
               const std::pair<const VariationNode*, std::uint32_t>& b)
{
    return std::less<const VariationNode*>()(a.first, b.first);
}

} // namespace

std::uint32_t VerdictTally::total() const
{
    std::uint32_t sum = 0;
    for (const std::uint32_t count : leaves)
        sum += count;
    return sum;
}

void VerdictTally::add(const VerdictTally& other)
{
    for (std::size_t i = 0; i < leaves.size(); ++i)
        leaves[i] += other.leaves[i];
}

// The board and key of the node the walk stands on, and what each node on the
// way there changed, so leaving a node puts back the position of its parent.
class PositionIndex::Walk {
public:
    // Moves onto a child of the current node (or onto the root, first):
    // places its move with the book rule and sets the side to move.
    void enter(const VariationNode& node, bool isRoot)
    {
        levels_.push_back({static_cast<std::uint32_t>(changes_.size()), key_.toMove()});
        if (!isRoot && node.hasMove())
            place(node.col, node.row, stoneForColourLetter(node.color));
        const std::int8_t mover = isRoot ? kEmpty : stoneForColourLetter(node.color);
        if (mover != kEmpty)
            key_.setToMove(opponentOf(mover));
    }

    // Back to the parent's position.
    void leave()
    {
        const Level level = levels_.back();
        levels_.pop_back();
        while (changes_.size() > level.firstChange) {
            const Change change = changes_.back();
            changes_.pop_back();
            set(change.index, change.before);
        }
        key_.setToMove(level.toMove);
    }

    const PositionKey& key() const { return key_; }

private:
    struct Change {
        std::int16_t index;
        std::int8_t before;
    };
    struct Level {
        std::uint32_t firstChange;
        std::int8_t toMove;
    };

    void place(int col, int row, std::int8_t colour)
    {
        const auto index = static_cast<std::size_t>(pointIndex(col, row));
        record(index, colour);
        // Only the placed stone and its neighbours' groups can go; when none
        // of those points changed, nothing was taken and no comparison is due.
        const Stones placed = stones_;
        rules::captureAround(stones_, col, row);
        if (!touchedPointChanged(placed, col, row))
            return;
        for (std::size_t i = 0; i < stones_.size(); ++i) {
            if (placed[i] != stones_[i]) {
                const std::int8_t now = stones_[i];
                stones_[i] = placed[i];
                record(i, now);
            }
        }
    }

    bool touchedPointChanged(const Stones& placed, int col, int row) const
    {
        if (placed[static_cast<std::size_t>(pointIndex(col, row))] !=
            stones_[static_cast<std::size_t>(pointIndex(col, row))])
            return true;
        for (const auto& offset : kNeighbourOffsets) {
            const int c = col + offset[0];
            const int r = row + offset[1];
            if (onBoard(c, r) && placed[static_cast<std::size_t>(pointIndex(c, r))] !=
                                     stones_[static_cast<std::size_t>(pointIndex(c, r))])
                return true;
        }
        return false;
    }

    // Notes what stands at the point, then puts `code` there.
    void record(std::size_t index, std::int8_t code)
    {
        changes_.push_back({static_cast<std::int16_t>(index), stones_[index]});
        set(index, code);
    }

    // Puts `code` at the point, keeping the key in step.
    void set(std::size_t index, std::int8_t code)
    {
        const std::int8_t before = stones_[index];
        if (before != kEmpty)
            key_.toggleStone(static_cast<int>(index), before);
        stones_[index] = code;
        if (code != kEmpty)
            key_.toggleStone(static_cast<int>(index), code);
    }

    Stones stones_{};
    PositionKey key_;
    std::vector<Change> changes_;
    std::vector<Level> levels_;
};

void PositionIndex::clear()
{
    entries_.clear();
    byKey_.clear();
    byNode_.clear();
}

void PositionIndex::build(const VariationNode* root)
{
    clear();
    if (root == nullptr)
        return;
    Walk walk;
    // Entries of the nodes from the root down to the walk's node.
    std::vector<std::uint32_t> line;
    const auto enter = [&](const VariationNode& node) {
        walk.enter(node, &node == root);
        const auto entry = static_cast<std::uint32_t>(entries_.size());
        Entry record;
        record.node = &node;
        record.canonical = walk.key().canonicalOrientation();
        if (node.firstChild == nullptr)
            ++record.verdicts.leaves[bookVerdict::slotOf(bookVerdict::endingOf(node.comment ? node.comment : ""))];
        entries_.push_back(record);
        byKey_.emplace_back(walk.key().hashIn(record.canonical), entry);
        line.push_back(entry);
    };
    const auto leave = [&]() {
        const std::uint32_t entry = line.back();
        line.pop_back();
        walk.leave();
        Entry& record = entries_[entry];
        record.subtreeEntries = static_cast<std::uint32_t>(entries_.size()) - entry;
        if (!line.empty())
            entries_[line.back()].verdicts.add(record.verdicts);
    };

    // Depth first along the tree's own links: no recursion and no stack of boards.
    const VariationNode* node = root;
    enter(*node);
    for (;;) {
        if (const VariationNode* child = firstIndexable(node->firstChild)) {
            node = child;
            enter(*node);
            continue;
        }
        for (;;) {
            leave();
            if (node == root) {
                sortLookUps();
                return;
            }
            if (const VariationNode* sibling = firstIndexable(node->nextSibling)) {
                node = sibling;
                enter(*node);
                break;
            }
            node = node->parent;
        }
    }
}

void PositionIndex::sortLookUps()
{
    std::sort(byKey_.begin(), byKey_.end());
    byNode_.reserve(entries_.size());
    for (std::uint32_t entry = 0; entry < entries_.size(); ++entry)
        byNode_.emplace_back(entries_[entry].node, entry);
    std::sort(byNode_.begin(), byNode_.end(), byAddress);
}

bool PositionIndex::contains(const PositionKey& position) const
{
    const std::uint64_t key = position.canonical();
    const auto it = std::lower_bound(byKey_.begin(), byKey_.end(), std::pair<std::uint64_t, std::uint32_t>{key, 0});
    return it != byKey_.end() && it->first == key;
}

std::vector<BookPlace> PositionIndex::lookUp(const PositionKey& position) const
{
    const Orientation query = position.canonicalOrientation();
    const std::uint64_t key = position.hashIn(query);
    // The node's position turned into its canonical form, then out of it into the caller's.
    const int back = symmetry::inverse(query.symmetry);
    std::vector<BookPlace> places;
    auto it = std::lower_bound(byKey_.begin(), byKey_.end(), std::pair<std::uint64_t, std::uint32_t>{key, 0});
    for (; it != byKey_.end() && it->first == key; ++it) {
        const Orientation own = entries_[it->second].canonical;
        places.push_back(placeAt(it->second, Orientation{symmetry::compose(own.symmetry, back),
                                                         own.coloursSwapped != query.coloursSwapped}));
    }
    return places;
}

std::optional<BookPlace> PositionIndex::placeOf(const VariationNode& node, Orientation orientation) const
{
    const std::optional<std::uint32_t> entry = entryOf(node);
    if (!entry)
        return std::nullopt;
    return placeAt(*entry, orientation);
}

VerdictTally PositionIndex::verdictsBelow(const VariationNode& node) const
{
    const std::optional<std::uint32_t> entry = entryOf(node);
    return entry ? entries_[*entry].verdicts : VerdictTally{};
}

std::optional<std::uint32_t> PositionIndex::entryOf(const VariationNode& node) const
{
    const std::pair<const VariationNode*, std::uint32_t> probe{&node, 0};
    const auto it = std::lower_bound(byNode_.begin(), byNode_.end(), probe, byAddress);
    if (it == byNode_.end() || it->first != &node)
        return std::nullopt;
    return it->second;
}

BookPlace PositionIndex::placeAt(std::uint32_t entry, Orientation orientation) const
{
    BookPlace place;
    place.node = entries_[entry].node;
    place.orientation = orientation;
    // A subtree is a run of entries, so the children are its first entry and
    // each one after the previous child's subtree.
    const std::uint32_t end = entry + entries_[entry].subtreeEntries;
    for (std::uint32_t child = entry + 1; child < end; child += entries_[child].subtreeEntries) {
        const VariationNode& node = *entries_[child].node;
        place.continuations.push_back({&node, symmetry::transform(Point{node.col, node.row}, orientation.symmetry),
                                       turnColour(stoneForColourLetter(node.color), orientation),
                                       entries_[child].verdicts});
    }
    return place;
}

std::optional<Stones> PositionIndex::stonesAfter(const VariationNode& node)
{
    BoardPosition position;
    int stoneCount = 0;
    if (!book::positionBefore(node, position, stoneCount))
        return std::nullopt;
    if (node.parent != nullptr && book::placeMove(position, node, stoneCount) == book::Placement::IllegalColour)
        return std::nullopt;
    return position.board;
}

std::int8_t PositionIndex::sideToMoveAfter(const VariationNode& node)
{
    for (const VariationNode* p = &node; p->parent != nullptr; p = p->parent) {
        const std::int8_t mover = stoneForColourLetter(p->color);
        if (mover != kEmpty)
            return opponentOf(mover);
    }
    return kBlack;
}

std::vector<int> PositionIndex::symmetriesOf(const PositionKey& position)
{
    std::vector<int> found;
    for (int s = 0; s < symmetry::kCount; ++s)
        if (position.hashIn(Orientation{s, false}) == position.hash())
            found.push_back(s);
    return found;
}

} // namespace joseki

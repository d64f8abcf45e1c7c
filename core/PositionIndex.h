#pragma once

#include "core/BookVerdict.h"
#include "core/Point.h"
#include "core/PositionKey.h"
#include "core/Stone.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace joseki {

struct VariationNode;

// The leaves below a node, counted by the verdict their comments end with.
struct VerdictTally {
    std::array<std::uint32_t, kBookVerdictCount> leaves{};

    std::uint32_t of(BookVerdict verdict) const { return leaves[bookVerdict::slotOf(verdict)]; }
    // Every leaf counted, with or without a verdict.
    std::uint32_t total() const;
    void add(const VerdictTally& other);
    friend bool operator==(const VerdictTally&, const VerdictTally&) = default;
};

// A continuation of a book position as the caller's board sees it.
struct BookContinuation {
    const VariationNode* node = nullptr; // the child in the tree
    Point move = kNoMovePoint;           // its point on the caller's board; the no-move marker for a tenuki
    std::int8_t colour = kEmpty;         // its mover in the caller's colours
    VerdictTally verdicts;               // the leaves of the lines through it
};

// A book node at which a position stands.
struct BookPlace {
    const VariationNode* node = nullptr;
    // Turns the node's position into the caller's: its symmetry, then the colour swap.
    Orientation orientation;
    std::vector<BookContinuation> continuations; // in sibling order
};

// Every position of the book, found by its stones and side to move whatever
// move order, corner or colours led to it.
//
// Each node's position is the book board after its move (the browser's book
// rule; the root's own move is never placed) with the side to move after it:
// the opponent of the node's colour, or the parent's side for a node without
// one (black at the root). Tenuki nodes are positions of their own, with the
// other side to move. A node whose colour letter is no stone colour, and its
// subtree, stay out, as the book board cannot show them. Keys are the
// canonical keys of core/PositionKey.h, so a look-up meets a node in any of
// the 16 orientations (up to 64-bit collisions). The index refers to the
// tree's nodes and is valid as long as the tree.
class PositionIndex {
public:
    // Indexes every node below and including root (null: an empty index). Any
    // depth or width of tree: the walk keeps one board and undoes its moves.
    void build(const VariationNode* root);
    void clear();
    // Nodes indexed.
    std::size_t size() const { return entries_.size(); }

    // True when the position stands anywhere in the book.
    bool contains(const PositionKey& position) const;
    // The nodes where the position stands, in the tree's order, each with the
    // orientation that turns it into the position and its continuations in the caller's terms.
    std::vector<BookPlace> lookUp(const PositionKey& position) const;
    // An indexed node seen through `orientation`; nothing for a node not indexed.
    std::optional<BookPlace> placeOf(const VariationNode& node, Orientation orientation) const;
    // The leaves below an indexed node (itself when a leaf); all zero for one not indexed.
    VerdictTally verdictsBelow(const VariationNode& node) const;

    // The book board after the node's move, as the index keys it; nothing when
    // a colour letter that is no stone colour stops its line.
    static std::optional<Stones> stonesAfter(const VariationNode& node);
    // The side to move (kBlack or kWhite) after the node, as the index keys it.
    static std::int8_t sideToMoveAfter(const VariationNode& node);
    // The board symmetries (0..7) that leave the position as it is, identity first.
    static std::vector<int> symmetriesOf(const PositionKey& position);

private:
    struct Entry {
        const VariationNode* node = nullptr;
        std::uint32_t subtreeEntries = 1; // the entries of its subtree, itself included
        Orientation canonical;            // turns its position into the canonical one
        VerdictTally verdicts;
    };

    class Walk;

    // Sorts the keys and the nodes for look-ups, once every entry is in.
    void sortLookUps();
    std::optional<std::uint32_t> entryOf(const VariationNode& node) const;
    BookPlace placeAt(std::uint32_t entry, Orientation orientation) const;

    std::vector<Entry> entries_; // in the tree's order (preorder), so a subtree is a run
    std::vector<std::pair<std::uint64_t, std::uint32_t>> byKey_;         // canonical key, entry; sorted
    std::vector<std::pair<const VariationNode*, std::uint32_t>> byNode_; // node, entry; sorted by address
};

} // namespace joseki

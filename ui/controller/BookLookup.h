#pragma once

#include "core/PositionIndex.h"

#include <string>
#include <vector>

namespace joseki {

class JosekiEngine;
struct VariationNode;

// The other places of the browsed position in the book: the same stones and
// side to move reached by another move order, in another corner or with the
// colours exchanged.
class BookLookup {
public:
    explicit BookLookup(const PositionIndex& index) : index_(index) {}

    // Every place of the cursor's position but the cursor itself, in the tree's order.
    std::vector<BookPlace> otherPlaces(const JosekiEngine& engine) const;
    // The place after the cursor's among all places of its position, in the
    // tree's order and round again; null when the position stands nowhere else.
    const VariationNode* nextPlace(const JosekiEngine& engine) const;
    // One line per place for the comment box: "同形变化：" and each path with its orientation note.
    static std::string placeLines(const std::vector<BookPlace>& places);

private:
    std::vector<BookPlace> placesOfCursor(const JosekiEngine& engine) const;

    const PositionIndex& index_;
};

} // namespace joseki

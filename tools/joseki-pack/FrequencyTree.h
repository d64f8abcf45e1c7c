#pragma once

#include "core/Point.h"
#include "core/PositionKey.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace joseki::pack {

// A move of the frequency tree from one position, with the games that chose it.
struct Continuation {
    std::uint64_t child = 0; // canonical key of the position after it
    Point move;              // in the orientation of the position it was asked for; the no-move marker for tenuki
    std::uint32_t games = 0;
    bool tenuki = false;
};

// An engine-frequency tree indexed by position: a standard SGF tree whose
// nodes carry JSON statistics in their comment ({"count": N, …}: the games
// that reached the position after the node's move). Positions are matched by
// their canonical keys (core/PositionKey), so a position reached by any move
// order, in any corner and with either colour first, finds the same figures;
// where the tree reaches one position by several orders their games add up.
class FrequencyTree {
public:
    // Reads the first game tree of a standard SGF text; false with `error`
    // when it is not one. Nodes without a readable move, and everything below
    // them, are left out; a count that is missing or unreadable is 0.
    bool read(std::string_view sgf, std::string& error);

    // Games that reached the position (0 when the tree does not hold it).
    std::uint32_t gamesAt(const PositionKey& position) const;
    // Games that went from `position` to `next`, i.e. chose that move.
    std::uint32_t gamesOf(const PositionKey& position, const PositionKey& next) const;
    // Every move the tree holds from the position, most games first, moves
    // mapped into the position's own orientation.
    std::vector<Continuation> continuations(const PositionKey& position) const;
    // Positions indexed.
    std::size_t size() const { return games_.size(); }

private:
    void addNode(const PositionKey& position, std::uint32_t games);
    void addContinuation(const PositionKey& from, const PositionKey& to, Point move, std::uint32_t games);

    std::unordered_map<std::uint64_t, std::uint32_t> games_;
    std::unordered_map<std::uint64_t, std::vector<Continuation>> continuations_; // moves in canonical orientation
};

} // namespace joseki::pack

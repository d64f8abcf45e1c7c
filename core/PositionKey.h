#pragma once

#include "core/Point.h"
#include "core/Stone.h"
#include "core/Symmetry.h"

#include <array>
#include <cstdint>

namespace joseki {

// How a position is turned onto another: first the board symmetry (0..7, as in
// core/Symmetry.h), then black and white exchanged when coloursSwapped is set
// (the side to move included).
struct Orientation {
    int symmetry = symmetry::kIdentity;
    bool coloursSwapped = false;
    friend bool operator==(const Orientation&, const Orientation&) = default;
};

// The stones turned by an orientation: what stood at p stands at its image, in the other colour when swapped.
Stones turnStones(const Stones& stones, Orientation orientation);
// A stone colour seen through an orientation: exchanged when it swaps colours.
constexpr std::int8_t turnColour(std::int8_t colour, Orientation orientation)
{
    return orientation.coloursSwapped ? opponentOf(colour) : colour;
}

// The key of a Go position — its stones and the side to move — that does not
// depend on the corner it is seen in or on which colour is which.
//
// It keeps a Zobrist hash of the position in each of the 16 orientations (8
// symmetries, colours kept or exchanged), updated stone by stone, so a
// position reached by any move order has the same hashes. The canonical key
// is the least of the 16: two positions have the same canonical key exactly
// when one is the other turned and/or with colours exchanged (up to 64-bit
// collisions). A move or point of the position maps onto the canonical form
// with canonicalOrientation().symmetry, and back with symmetry::inverse.
// The hash table is fixed, so keys are the same in every run.
class PositionKey {
public:
    // The empty board with black to move.
    PositionKey();

    // The key of the given stones with `toMove` (kBlack or kWhite) to play.
    static PositionKey of(const Stones& stones, std::int8_t toMove);

    // Puts a stone of `colour` (kBlack or kWhite) on point index 0..360, or
    // takes it off again: the same operation, so callers track what stands there.
    void toggleStone(int index, std::int8_t colour);
    // Brings a key of the stones `before` to the key of the stones `after`.
    void update(const Stones& before, const Stones& after);
    // Sets the side to move (kBlack or kWhite).
    void setToMove(std::int8_t colour);
    std::int8_t toMove() const { return toMove_; }

    // The hash of this position turned by `orientation`.
    std::uint64_t hashIn(Orientation orientation) const;
    // The hash as the position stands (identity, colours kept).
    std::uint64_t hash() const { return hashIn(Orientation{}); }
    // The least hash over the 16 orientations: the same for every turned or colour-swapped copy.
    std::uint64_t canonical() const;
    // The orientation whose hash is the canonical one; the first in order
    // (symmetry 0..7, colours kept before swapped) when the position has several.
    Orientation canonicalOrientation() const;

    friend bool operator==(const PositionKey&, const PositionKey&) = default;

private:
    static constexpr int kOrientations = symmetry::kCount * 2;

    // Stone part of each orientation's hash, at symmetry * 2 + swapped; the
    // side to move is added when a hash is asked for.
    std::array<std::uint64_t, kOrientations> stoneHashes_{};
    std::int8_t toMove_ = kBlack;
};

} // namespace joseki

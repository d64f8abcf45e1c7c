#include "core/PositionKey.h"

#include "core/HashMix.h"

#include <cstddef>

namespace joseki {

namespace {

constexpr int kColours = 2;

// Any fixed seed gives keys that are stable between runs.
constexpr std::uint64_t kSeed = 0x6a6f73656b69ULL;

// The splitmix64 generator.
constexpr std::uint64_t splitMix(std::uint64_t& state)
{
    state += kWeylStep;
    return mixBits(state);
}

struct ZobristTable {
    std::array<std::array<std::uint64_t, kColours>, kPointCount> stones{};
    std::array<std::uint64_t, kColours> toMove{};
};

constexpr ZobristTable buildTable()
{
    ZobristTable table;
    std::uint64_t state = kSeed;
    for (auto& point : table.stones)
        for (auto& value : point)
            value = splitMix(state);
    for (auto& value : table.toMove)
        value = splitMix(state);
    return table;
}

constexpr ZobristTable kTable = buildTable();

// Column of a colour code (kBlack or kWhite) in the table.
constexpr std::size_t colourSlot(std::int8_t colour) { return colour == kWhite ? 1 : 0; }

constexpr std::size_t slotOf(int s, bool swapped) { return static_cast<std::size_t>(s * 2 + (swapped ? 1 : 0)); }

} // namespace

Stones turnStones(const Stones& stones, Orientation orientation)
{
    const Stones moved = symmetry::transformStones(stones, orientation.symmetry);
    return orientation.coloursSwapped ? symmetry::swapColours(moved) : moved;
}

PositionKey::PositionKey() = default;

PositionKey PositionKey::of(const Stones& stones, std::int8_t toMove)
{
    PositionKey key;
    for (std::size_t i = 0; i < stones.size(); ++i)
        if (stones[i] == kBlack || stones[i] == kWhite)
            key.toggleStone(static_cast<int>(i), stones[i]);
    key.setToMove(toMove);
    return key;
}

void PositionKey::toggleStone(int index, std::int8_t colour)
{
    const std::size_t own = colourSlot(colour);
    const std::size_t other = colourSlot(opponentOf(colour));
    for (int s = 0; s < symmetry::kCount; ++s) {
        const auto& image =
            kTable.stones[static_cast<std::size_t>(symmetry::indexMap(s)[static_cast<std::size_t>(index)])];
        stoneHashes_[slotOf(s, false)] ^= image[own];
        stoneHashes_[slotOf(s, true)] ^= image[other];
    }
}

void PositionKey::update(const Stones& before, const Stones& after)
{
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] == after[i])
            continue;
        if (before[i] != kEmpty)
            toggleStone(static_cast<int>(i), before[i]);
        if (after[i] != kEmpty)
            toggleStone(static_cast<int>(i), after[i]);
    }
}

void PositionKey::setToMove(std::int8_t colour) { toMove_ = colour == kWhite ? kWhite : kBlack; }

std::uint64_t PositionKey::hashIn(Orientation orientation) const
{
    const std::int8_t side = orientation.coloursSwapped ? opponentOf(toMove_) : toMove_;
    return stoneHashes_[slotOf(orientation.symmetry & (symmetry::kCount - 1), orientation.coloursSwapped)] ^
           kTable.toMove[colourSlot(side)];
}

std::uint64_t PositionKey::canonical() const { return hashIn(canonicalOrientation()); }

Orientation PositionKey::canonicalOrientation() const
{
    Orientation best;
    std::uint64_t least = hashIn(best);
    for (int s = 0; s < symmetry::kCount; ++s) {
        for (const bool swapped : {false, true}) {
            const Orientation candidate{s, swapped};
            const std::uint64_t value = hashIn(candidate);
            if (value < least) {
                least = value;
                best = candidate;
            }
        }
    }
    return best;
}

} // namespace joseki

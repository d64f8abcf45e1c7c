#include "core/Rules.h"

#include <algorithm>
#include <cstddef>

namespace joseki::rules {

namespace {

std::size_t at(int col, int row) { return static_cast<std::size_t>(pointIndex(col, row)); }

void clearGroup(Stones& stones, const GroupList& group, int size)
{
    for (int i = 0; i < size; ++i)
        stones[static_cast<std::size_t>(group[static_cast<std::size_t>(i)])] = kEmpty;
}

// Distinct empty points next to a collected group.
int distinctLiberties(const Stones& stones, const GroupList& group, int size)
{
    std::array<bool, kPointCount> counted{};
    int liberties = 0;
    for (int i = 0; i < size; ++i) {
        const Point p = pointAtIndex(group[static_cast<std::size_t>(i)]);
        for (const auto& offset : kNeighbourOffsets) {
            const int c = p.col + offset[0];
            const int r = p.row + offset[1];
            if (onBoard(c, r) && stones[at(c, r)] == kEmpty && !counted[at(c, r)]) {
                counted[at(c, r)] = true;
                ++liberties;
            }
        }
    }
    return liberties;
}

// Whether index lies in the first `size` entries of the group.
bool inGroup(const GroupList& group, int size, int index)
{
    const auto end = group.begin() + size;
    return std::find(group.begin(), end, static_cast<std::int16_t>(index)) != end;
}

} // namespace

int emptyNeighbourCount(const Stones& stones, int col, int row)
{
    int count = 0;
    for (const auto& offset : kNeighbourOffsets) {
        const int c = col + offset[0];
        const int r = row + offset[1];
        if (onBoard(c, r) && stones[at(c, r)] == kEmpty)
            ++count;
    }
    return count;
}

bool hasNeighbourOfColour(const Stones& stones, int col, int row, std::int8_t colour)
{
    return std::any_of(kNeighbourOffsets.begin(), kNeighbourOffsets.end(), [&](const auto& offset) {
        const int c = col + offset[0];
        const int r = row + offset[1];
        return onBoard(c, r) && stones[at(c, r)] == colour;
    });
}

int collectGroup(const Stones& stones, int col, int row, GroupList& group, bool stopAtLiberty)
{
    // A visited map instead of rescanning the list from its head after each
    // addition: the same set, found in linear time.
    const std::int8_t code = stones[at(col, row)];
    std::array<bool, kPointCount> seen{};
    int size = 0;
    group[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(pointIndex(col, row));
    seen[at(col, row)] = true;
    for (int i = 0; i < size; ++i) {
        const Point p = pointAtIndex(group[static_cast<std::size_t>(i)]);
        for (const auto& offset : kNeighbourOffsets) {
            const int nc = p.col + offset[0];
            const int nr = p.row + offset[1];
            if (!onBoard(nc, nr))
                continue;
            const std::size_t index = at(nc, nr);
            if (stopAtLiberty && stones[index] == kEmpty)
                return 0;
            if (stones[index] == code && !seen[index]) {
                seen[index] = true;
                group[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(index);
            }
        }
    }
    return size;
}

int bookLibertyCount(const Stones& stones, const GroupList& group, int size)
{
    int liberties = 0;
    for (int i = 0; i < size; ++i) {
        const Point p = pointAtIndex(group[static_cast<std::size_t>(i)]);
        liberties += emptyNeighbourCount(stones, p.col, p.row);
    }
    return liberties;
}

int libertyCount(const Stones& stones, int col, int row)
{
    if (!onBoard(col, row) || stones[at(col, row)] == kEmpty)
        return 0;
    GroupList group; // filled up to the returned size
    const int size = collectGroup(stones, col, row, group, false);
    return distinctLiberties(stones, group, size);
}

int removeGroupIfDead(Stones& stones, int col, int row, int* removed)
{
    if (removed != nullptr)
        *removed = 0;
    if (!onBoard(col, row) || stones[at(col, row)] == kEmpty)
        return kNoGroup;
    GroupList group; // filled up to the returned size
    const int size = collectGroup(stones, col, row, group, false);
    const int liberties = bookLibertyCount(stones, group, size);
    if (liberties != 0)
        return liberties;
    clearGroup(stones, group, size);
    if (removed != nullptr)
        *removed = size;
    return 0;
}

bool removeIfWithoutLiberty(Stones& stones, int col, int row)
{
    if (!onBoard(col, row) || stones[at(col, row)] == kEmpty)
        return false;
    // Most stones touch a liberty themselves; finding that needs no group walk.
    if (emptyNeighbourCount(stones, col, row) != 0)
        return false;
    GroupList group; // filled up to the returned size
    const int size = collectGroup(stones, col, row, group, true);
    if (size == 0)
        return false;
    clearGroup(stones, group, size);
    return true;
}

void captureAround(Stones& stones, int col, int row)
{
    for (const auto& offset : kNeighbourOffsets)
        removeIfWithoutLiberty(stones, col + offset[0], row + offset[1]);
}

bool isKoRetake(const Stones& stones, int col, int row, Point koBan)
{
    return col == koBan.col && row == koBan.row && emptyNeighbourCount(stones, col, row) == 0;
}

MoveResult playMove(Stones& stones, int col, int row, std::int8_t colour, Point koBan)
{
    MoveResult result;
    if (!onBoard(col, row))
        return result;
    result.verdict = Verdict::Occupied;
    if (stones[at(col, row)] != kEmpty)
        return result;
    result.verdict = Verdict::KoRetake;
    if (isKoRetake(stones, col, row, koBan))
        return result;

    stones[at(col, row)] = colour;
    // Opponent groups first, so a stone that captures is never judged a suicide.
    const std::int8_t opponent = opponentOf(colour);
    for (const auto& offset : kNeighbourOffsets) {
        const int c = col + offset[0];
        const int r = row + offset[1];
        if (!onBoard(c, r) || stones[at(c, r)] != opponent)
            continue;
        int removed = 0;
        if (removeGroupIfDead(stones, c, r, &removed) == 0 && removed == 1)
            result.singleCapture = Point{c, r}; // with two, the later one counts
        result.capturedStones += removed;
    }
    result.joinsFriend = hasNeighbourOfColour(stones, col, row, colour);

    // A capture always leaves the new stone a liberty, so a suicide has taken
    // nothing and lifting the stone restores the position.
    GroupList group; // filled up to the returned size
    if (emptyNeighbourCount(stones, col, row) == 0 && collectGroup(stones, col, row, group, true) != 0) {
        stones[at(col, row)] = kEmpty;
        result.verdict = Verdict::Suicide;
        result.singleCapture = kNoMovePoint;
        return result;
    }
    result.verdict = Verdict::Played;
    return result;
}

NeighbourGroups neighbourGroups(const Stones& stones, int col, int row)
{
    NeighbourGroups result;
    std::array<GroupList, kNeighbourOffsets.size()> members;
    std::array<int, kNeighbourOffsets.size()> sizes{};
    for (const auto& offset : kNeighbourOffsets) {
        const int c = col + offset[0];
        const int r = row + offset[1];
        if (!onBoard(c, r) || stones[at(c, r)] == kEmpty)
            continue;
        const auto known = [&](int g) {
            return inGroup(members[static_cast<std::size_t>(g)], sizes[static_cast<std::size_t>(g)], pointIndex(c, r));
        };
        bool seenBefore = false;
        for (int g = 0; g < result.count && !seenBefore; ++g)
            seenBefore = known(g);
        if (seenBefore)
            continue;
        const auto slot = static_cast<std::size_t>(result.count++);
        sizes[slot] = collectGroup(stones, c, r, members[slot], false);
        result.groups[slot] = GroupSummary{Point{c, r}, stones[at(c, r)], sizes[slot],
                                           distinctLiberties(stones, members[slot], sizes[slot])};
    }
    return result;
}

int atariCount(const Stones& stones, int col, int row)
{
    if (!onBoard(col, row) || stones[at(col, row)] == kEmpty)
        return 0;
    const std::int8_t opponent = opponentOf(stones[at(col, row)]);
    const NeighbourGroups around = neighbourGroups(stones, col, row);
    return static_cast<int>(
        std::count_if(around.groups.begin(), around.groups.begin() + around.count,
                      [opponent](const GroupSummary& g) { return g.colour == opponent && g.liberties == 1; }));
}

} // namespace joseki::rules

#pragma once

#include "core/Point.h"
#include "core/Stone.h"

#include <array>
#include <cstdint>

// The capture rules of the board, once for every user: the book board, the
// trial board, the packer's checker and anything that judges moves.
//
// All routines work on one position type, `Stones` (361 codes, column-major),
// and visit neighbours in the fixed order left, right, up, down. Two rules
// are built from them. The book rule (`captureAround`) takes the library's
// moves as they come: after a stone is placed each neighbour's group is
// examined in order and removed when it has no liberty at that moment, own
// groups included; no ko, no suicide check. The normal rule (`playMove`),
// which trial play uses, refuses occupied points, a ko retake and suicide, and
// takes opponent groups before it judges the mover's own group. Two liberty
// measures exist: the book count (`bookLibertyCount`: every stone's empty
// neighbours summed, an empty point counted once per stone it touches) and
// the count a player means (`libertyCount`: distinct empty points); only zero
// against non-zero decides a capture. `neighbourGroups` and `atariCount`
// describe a position for tools that comment on moves.
namespace joseki::rules {

// Returned by removeGroupIfDead when there is no stone to examine.
inline constexpr int kNoGroup = 99;

// The points of one group, as indices, filled up to the size returned with it.
using GroupList = std::array<std::int16_t, kPointCount>;

// Needs a point on the board; counts its empty on-board neighbours (0..4).
int emptyNeighbourCount(const Stones& stones, int col, int row);

// True when an on-board neighbour of (col,row) holds `colour`.
bool hasNeighbourOfColour(const Stones& stones, int col, int row, std::int8_t colour);

// Needs a stone at (col,row). Collects its group into `group` and returns the
// size, or 0 when stopAtLiberty is set and a liberty turns up first.
int collectGroup(const Stones& stones, int col, int row, GroupList& group, bool stopAtLiberty);

// The book liberty count of a collected group: emptyNeighbourCount summed.
int bookLibertyCount(const Stones& stones, const GroupList& group, int size);

// Distinct empty points next to the group at (col,row); 0 for an empty or off-board point.
int libertyCount(const Stones& stones, int col, int row);

// 99 for an off-board or empty point. Otherwise the book liberty count of the
// group there; a group with none is taken off and 0 returned. *removed gets
// the stones taken.
int removeGroupIfDead(Stones& stones, int col, int row, int* removed = nullptr);

// Takes off the group at the point when it has no liberty; true if it did.
// What removeGroupIfDead does, without counting every liberty.
bool removeIfWithoutLiberty(Stones& stones, int col, int row);

// Book capture rule after a stone at (col,row): removeIfWithoutLiberty on the
// four neighbours in order, whatever they hold.
void captureAround(Stones& stones, int col, int row);

// What became of a move under the normal rule.
enum class Verdict { Played, OffBoard, Occupied, KoRetake, Suicide };

struct MoveResult {
    Verdict verdict = Verdict::OffBoard;
    int capturedStones = 0;
    // The last group of exactly one stone the move took, or the no-move marker.
    Point singleCapture = kNoMovePoint;
    // The new stone touches a stone of its own colour.
    bool joinsFriend = false;

    // Where an immediate retake is refused after this move: the single stone
    // taken by a stone standing alone, else the no-move marker.
    Point koPoint() const { return joinsFriend ? kNoMovePoint : singleCapture; }
};

// True when a stone at (col,row) would retake at `koBan`: the same point, with
// no empty neighbour.
bool isKoRetake(const Stones& stones, int col, int row, Point koBan);

// The normal rule: places `colour` at (col,row) unless the point is off the
// board, occupied or a ko retake at `koBan` (the no-move marker for none);
// then takes every opponent neighbour group left without liberty, in
// neighbour order, and refuses a stone whose own group has none. A refused
// move leaves the stones as they were.
MoveResult playMove(Stones& stones, int col, int row, std::int8_t colour, Point koBan = kNoMovePoint);

// One group touching a point.
struct GroupSummary {
    Point anchor; // its stone next to the point, first in neighbour order
    std::int8_t colour = kEmpty;
    int stones = 0;
    int liberties = 0; // distinct empty points
};

// The distinct groups next to (col,row), in neighbour order of their first contact.
struct NeighbourGroups {
    std::array<GroupSummary, kNeighbourOffsets.size()> groups{};
    int count = 0;
};
NeighbourGroups neighbourGroups(const Stones& stones, int col, int row);

// Opponent groups of the stone at (col,row) that touch it and have exactly
// one liberty left: the ataris a move there gives. 0 for an empty point.
int atariCount(const Stones& stones, int col, int row);

} // namespace joseki::rules

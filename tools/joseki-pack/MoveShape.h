#pragma once

#include "ShapeTerm.h"

#include "core/Point.h"
#include "core/Stone.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace joseki::pack {

// The four edges of the board, in the order of MoveShape::lines.
enum class Edge : std::uint8_t { Top, Right, Bottom, Left };
inline constexpr std::size_t kEdgeCount = 4;
inline constexpr std::array<Edge, kEdgeCount> kAllEdges = {Edge::Top, Edge::Right, Edge::Bottom, Edge::Left};

// What a move is, judged from the stones around it just before it was played.
//
// Contact means orthogonally next to an opponent stone. "Own" relations are
// to stones of the mover's colour: next to it, diagonal, a one-space jump
// (the point between empty), a knight's move (1,2) and a large knight's move
// (1,3). Lines count from each edge, 1 being the edge line. Captures and
// ataris follow the normal rule. `terms` holds every standard term the
// geometry admits; terms that also depend on intent (挡, 夹, 点, 挂, 退, …)
// are admitted loosely, the contact terms and the distance terms strictly.
struct MoveShape {
    Point move;
    std::int8_t colour = kEmpty;
    std::vector<Point> contacts;
    std::vector<Point> ownAdjacent;
    std::vector<Point> ownDiagonal;
    std::vector<Point> opponentDiagonal;
    std::vector<Point> ownJump;
    std::vector<Point> ownKnight;
    std::vector<Point> ownLargeKnight;
    std::array<int, kEdgeCount> lines{};
    int captures = 0;  // stones the move takes off
    int ataris = 0;    // opponent groups next to it left with exactly one liberty
    bool hane = false; // diagonal to an own stone and touching an opponent stone beside that stone
    ShapeTermSet terms;

    int lineFrom(Edge edge) const { return lines[static_cast<std::size_t>(edge)]; }
    // The lowest of the four lines: 1 for a move on the edge.
    int line() const;
    bool inContact() const { return !contacts.empty(); }
};

// The shape classifier, for the linter and for authors (`describe`).
namespace shape {

// Needs a point on the board that is empty in `before` and the colour kBlack
// or kWhite: the shape of that move.
MoveShape classify(const Stones& before, Point move, std::int8_t colour);

// Line of a point from an edge, 1 being the edge line.
int lineFrom(Point p, Edge edge);

// The edge the move is nearest to (the first of kAllEdges on a tie).
Edge nearestEdge(const MoveShape& shape);

// The word a comment names a side with (GBK): 上边, 右边, 下边 or 左边.
std::string_view sideWord(Edge edge);

// The word a comment names a line 1..5 with (GBK): 一路 to 五路; empty for any other.
std::string_view lineWord(int line);

// The lines that have a word.
inline constexpr int kNamedLines = 5;

// The part of the board the move stands on, as a comment names it (GBK):
// 上边, 右边, 下边 or 左边 near one edge, 角上 near two, 中腹 beyond the fifth line.
std::string_view sideName(const MoveShape& shape);

// True when the move is clearly not on the side of `edge`: it stands within
// four lines of another edge and at least four lines farther from `edge`.
bool clearlyOffSide(const MoveShape& shape, Edge edge);

} // namespace shape

} // namespace joseki::pack

#include "MoveShape.h"

#include "core/Rules.h"

#include <algorithm>
#include <cstdlib>

namespace joseki::pack {

namespace {

using Offset = std::array<int, 2>;

constexpr int kOffBoard = -1;
constexpr int kJump = 2;

constexpr std::array<Offset, 4> kDiagonals{{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
constexpr std::array<Offset, 8> kKnight{{{1, 2}, {2, 1}, {-1, 2}, {-2, 1}, {1, -2}, {2, -1}, {-1, -2}, {-2, -1}}};
constexpr std::array<Offset, 8> kLargeKnight{{{1, 3}, {3, 1}, {-1, 3}, {-3, 1}, {1, -3}, {3, -1}, {-1, -3}, {-3, -1}}};

// Lines that count as low: 立, 拆 and 夹 stand on them.
constexpr int kLowLine = 4;
// 爬 crawls on the third line or below.
constexpr int kCrawlLine = 3;
// An extension or pincer reaches this many points along the side at most.
constexpr int kFarthestExtension = 6;
constexpr int kFarthestPincer = 5;
// Stones within this many lines of two edges stand in a corner.
constexpr int kCornerLines = 5;
// An approach stands within this many points of the corner stone, either way.
constexpr int kApproachReach = 3;
// 点 looks at the stones within this many points.
constexpr int kPlacementReach = 2;
// Two lines this far apart put a move on one side rather than in the corner.
constexpr int kSideSpread = 2;
// "Clearly on another side": within this many lines of that edge and this many farther from the named one.
constexpr int kClearSideLines = 4;
constexpr int kClearSideMargin = 4;

int at(const Stones& stones, int col, int row)
{
    return onBoard(col, row) ? stones[static_cast<std::size_t>(pointIndex(col, row))] : kOffBoard;
}
int at(const Stones& stones, Point p) { return at(stones, p.col, p.row); }

Point offset(Point p, Offset d, int times = 1) { return {p.col + d[0] * times, p.row + d[1] * times}; }

Offset towardEdge(Edge edge)
{
    switch (edge) {
    case Edge::Top:
        return {0, -1};
    case Edge::Right:
        return {1, 0};
    case Edge::Bottom:
        return {0, 1};
    case Edge::Left:
        return {-1, 0};
    }
    return {0, 0};
}

// The two directions along an edge.
std::array<Offset, 2> alongEdge(Edge edge)
{
    const Offset t = towardEdge(edge);
    return {{{t[1], t[0]}, {-t[1], -t[0]}}};
}

bool isAdjacent(Point a, Point b) { return std::abs(a.col - b.col) + std::abs(a.row - b.row) == 1; }
bool isDiagonal(Point a, Point b) { return std::abs(a.col - b.col) == 1 && std::abs(a.row - b.row) == 1; }

// The edges a point is nearest to (two on a diagonal).
std::vector<Edge> nearestEdges(Point p)
{
    int lowest = kBoardSize;
    for (const Edge edge : kAllEdges)
        lowest = std::min(lowest, shape::lineFrom(p, edge));
    std::vector<Edge> nearest;
    for (const Edge edge : kAllEdges)
        if (shape::lineFrom(p, edge) == lowest)
            nearest.push_back(edge);
    return nearest;
}

bool isCornerStone(Point p)
{
    const int vertical = std::min(shape::lineFrom(p, Edge::Top), shape::lineFrom(p, Edge::Bottom));
    const int horizontal = std::min(shape::lineFrom(p, Edge::Left), shape::lineFrom(p, Edge::Right));
    return vertical <= kCornerLines && horizontal <= kCornerLines;
}

// The position and the facts every term rule looks at.
struct Context {
    const Stones& before;
    const MoveShape& shape;
    std::int8_t own;
    std::int8_t other;
    Point p;
};

void collectRelations(const Stones& before, MoveShape& shape)
{
    const std::int8_t own = shape.colour;
    const std::int8_t other = opponentOf(own);
    const Point p = shape.move;
    for (const auto& [dc, dr] : kNeighbourOffsets) {
        const Point next = offset(p, {dc, dr});
        const int stone = at(before, next);
        if (stone == other)
            shape.contacts.push_back(next);
        else if (stone == own)
            shape.ownAdjacent.push_back(next);
        const Point jump = offset(p, {dc, dr}, kJump);
        if (stone == kEmpty && at(before, jump) == own)
            shape.ownJump.push_back(jump);
    }
    for (const Offset& d : kDiagonals) {
        const Point q = offset(p, d);
        if (at(before, q) == own)
            shape.ownDiagonal.push_back(q);
        else if (at(before, q) == other)
            shape.opponentDiagonal.push_back(q);
    }
    for (const Offset& d : kKnight)
        if (at(before, offset(p, d)) == own)
            shape.ownKnight.push_back(offset(p, d));
    for (const Offset& d : kLargeKnight)
        if (at(before, offset(p, d)) == own)
            shape.ownLargeKnight.push_back(offset(p, d));
}

bool isHane(const MoveShape& shape)
{
    for (const Point d : shape.ownDiagonal)
        for (const Point o : shape.contacts)
            if (isAdjacent(o, d))
                return true;
    return false;
}

// 立: straight from an own stone toward the nearest edge, on a low line.
bool descends(const Context& c)
{
    for (const Point q : c.shape.ownAdjacent)
        for (const Edge edge : nearestEdges(c.p))
            if (offset(q, towardEdge(edge)) == c.p && shape::lineFrom(c.p, edge) <= kLowLine)
                return true;
    return false;
}

// 退: away from an own stone that was in contact.
bool retreats(const Context& c)
{
    for (const Point q : c.shape.ownAdjacent)
        if (rules::hasNeighbourOfColour(c.before, q.col, q.row, c.other))
            return true;
    return false;
}

// 断: between two opponent stones that were diagonally connected, their
// other shared point not theirs.
bool cuts(const Context& c)
{
    const std::vector<Point>& contacts = c.shape.contacts;
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        for (std::size_t j = i + 1; j < contacts.size(); ++j) {
            if (!isDiagonal(contacts[i], contacts[j]))
                continue;
            const Point shared{contacts[i].col + contacts[j].col - c.p.col,
                               contacts[i].row + contacts[j].row - c.p.row};
            if (at(c.before, shared) != c.other)
                return true;
        }
    }
    return false;
}

// 粘: between own stones, or onto the last liberty of an own group.
bool connects(const Context& c)
{
    if (c.shape.ownAdjacent.size() >= 2)
        return true;
    for (const Point q : c.shape.ownAdjacent)
        if (rules::libertyCount(c.before, q.col, q.row) == 1)
            return true;
    return false;
}

// 虎: leaves an empty neighbour with own stones on three sides.
bool makesTigerMouth(const Context& c)
{
    for (const auto& [dc, dr] : kNeighbourOffsets) {
        const Point e = offset(c.p, {dc, dr});
        if (at(c.before, e) != kEmpty)
            continue;
        int own = 0;
        for (const auto& [ec, er] : kNeighbourOffsets)
            own += at(c.before, offset(e, {ec, er})) == c.own ? 1 : 0;
        if (own >= 2)
            return true;
    }
    return false;
}

// True when a stone of `colour` stands along the nearest edge between
// `nearest` and `farthest` points away, on the move's line or one beside it.
bool stoneAlongSide(const Context& c, std::int8_t colour, int nearest, int farthest)
{
    for (const Edge edge : nearestEdges(c.p))
        for (const Offset& along : alongEdge(edge))
            for (int distance = nearest; distance <= farthest; ++distance)
                for (int step = -1; step <= 1; ++step)
                    if (at(c.before, offset(offset(c.p, along, distance), towardEdge(edge), step)) == colour)
                        return true;
    return false;
}

bool extendsAlongSide(const Context& c)
{
    return !c.shape.inContact() && c.shape.line() <= kLowLine && stoneAlongSide(c, c.own, kJump, kFarthestExtension);
}

bool pincers(const Context& c)
{
    return !c.shape.inContact() && c.shape.line() <= kLowLine && stoneAlongSide(c, c.other, kJump, kFarthestPincer);
}

// 挡: in contact, or one point short of an opponent stone.
bool blocks(const Context& c)
{
    if (c.shape.inContact())
        return true;
    for (const auto& [dc, dr] : kNeighbourOffsets)
        if (at(c.before, offset(c.p, {dc, dr})) == kEmpty && at(c.before, offset(c.p, {dc, dr}, kJump)) == c.other)
            return true;
    return false;
}

// 爬: along a low line from an own stone, under an opponent stone.
bool crawls(const Context& c)
{
    if (c.shape.line() > kCrawlLine)
        return false;
    for (const Edge edge : nearestEdges(c.p)) {
        const Offset t = towardEdge(edge);
        const bool underOpponent = at(c.before, offset(c.p, t, -1)) == c.other;
        for (const Point q : c.shape.ownAdjacent)
            if (underOpponent && shape::lineFrom(q, edge) == shape::lineFrom(c.p, edge))
                return true;
    }
    return false;
}

// The move stands straight on the centre side of an opponent stone it touches (压) or below it (托).
bool touchesFrom(const Context& c, bool fromAbove)
{
    for (const Point o : c.shape.contacts) {
        for (const Edge edge : nearestEdges(fromAbove ? o : c.p))
            if (offset(o, towardEdge(edge), fromAbove ? -1 : 1) == c.p)
                return true;
    }
    return false;
}

bool touchesLoneStone(const Context& c)
{
    const rules::NeighbourGroups groups = rules::neighbourGroups(c.before, c.p.col, c.p.row);
    for (int i = 0; i < groups.count; ++i) {
        const rules::GroupSummary& group = groups.groups[static_cast<std::size_t>(i)];
        if (group.colour == c.other && group.stones == 1)
            return true;
    }
    return false;
}

// 顶: head-on from an own stone, or 尖顶: diagonal to an own stone, touching
// an opponent stone that does not touch it.
bool butts(const Context& c)
{
    for (const Point q : c.shape.ownAdjacent)
        if (at(c.before, Point{2 * c.p.col - q.col, 2 * c.p.row - q.row}) == c.other)
            return true;
    for (const Point d : c.shape.ownDiagonal)
        for (const Point o : c.shape.contacts)
            if (!isAdjacent(o, d))
                return true;
    return false;
}

bool approaches(const Context& c)
{
    if (c.shape.inContact())
        return false;
    for (int dc = -kApproachReach; dc <= kApproachReach; ++dc)
        for (int dr = -kApproachReach; dr <= kApproachReach; ++dr) {
            const Point q = offset(c.p, {dc, dr});
            if (at(c.before, q) == c.other && isCornerStone(q))
                return true;
        }
    return false;
}

// 点: no own stone beside it, more opponent stones than own ones around.
bool placesInside(const Context& c)
{
    if (!c.shape.ownAdjacent.empty())
        return false;
    int own = 0;
    int other = 0;
    for (int dc = -kPlacementReach; dc <= kPlacementReach; ++dc)
        for (int dr = -kPlacementReach; dr <= kPlacementReach; ++dr) {
            const int stone = at(c.before, offset(c.p, {dc, dr}));
            own += stone == c.own ? 1 : 0;
            other += stone == c.other ? 1 : 0;
        }
    return other > own;
}

// 镇: one empty point above an opponent stone on a side, toward the centre.
// A corner stone, as near to two edges, has no one side above it.
bool caps(const Context& c)
{
    if (c.shape.inContact())
        return false;
    for (const auto& [dc, dr] : kNeighbourOffsets) {
        const Point o = offset(c.p, {dc, dr}, kJump);
        if (at(c.before, o) != c.other || at(c.before, offset(c.p, {dc, dr})) != kEmpty)
            continue;
        const std::vector<Edge> nearest = nearestEdges(o);
        if (nearest.size() == 1 && towardEdge(nearest.front()) == Offset{dc, dr})
            return true;
    }
    return false;
}

// 肩冲: diagonal to an opponent stone, one line higher from an edge it is
// nearest to and no nearer to the other, without contact.
bool hitsShoulder(const Context& c)
{
    if (c.shape.inContact())
        return false;
    for (const Point o : c.shape.opponentDiagonal) {
        const std::vector<Edge> nearest = nearestEdges(o);
        bool higher = false;
        bool nearer = false;
        for (const Edge edge : nearest) {
            higher = higher || shape::lineFrom(c.p, edge) == shape::lineFrom(o, edge) + 1;
            nearer = nearer || shape::lineFrom(c.p, edge) < shape::lineFrom(o, edge);
        }
        if (higher && !nearer)
            return true;
    }
    return false;
}

ShapeTermSet admittedTerms(const Context& c)
{
    const MoveShape& s = c.shape;
    const bool contact = s.inContact();
    const bool alone = s.ownAdjacent.empty();
    const std::pair<ShapeTerm, bool> checks[] = {
        {ShapeTerm::Extend, !alone},
        {ShapeTerm::Descend, descends(c)},
        {ShapeTerm::Hane, s.hane},
        {ShapeTerm::Cut, cuts(c)},
        {ShapeTerm::Connect, connects(c)},
        {ShapeTerm::TigerMouth, makesTigerMouth(c)},
        {ShapeTerm::Diagonal, !s.ownDiagonal.empty()},
        {ShapeTerm::Jump, !contact && !s.ownJump.empty()},
        {ShapeTerm::Knight, !contact && !s.ownKnight.empty()},
        {ShapeTerm::LargeKnight, !contact && !s.ownLargeKnight.empty()},
        {ShapeTerm::Extension, extendsAlongSide(c)},
        {ShapeTerm::Block, blocks(c)},
        {ShapeTerm::Crawl, crawls(c)},
        {ShapeTerm::Press, touchesFrom(c, true)},
        {ShapeTerm::Undercut, contact && alone && touchesFrom(c, false)},
        {ShapeTerm::Attach, contact && alone},
        {ShapeTerm::Bump, contact && alone && touchesLoneStone(c)},
        {ShapeTerm::Butt, butts(c)},
        {ShapeTerm::Pincer, pincers(c)},
        {ShapeTerm::Approach, approaches(c)},
        {ShapeTerm::Placement, placesInside(c)},
        {ShapeTerm::Cap, caps(c)},
        {ShapeTerm::ShoulderHit, hitsShoulder(c)},
        {ShapeTerm::Atari, s.ataris > 0},
        {ShapeTerm::Capture, s.captures > 0},
        {ShapeTerm::Push, contact && !alone},
        {ShapeTerm::Squeeze, s.contacts.size() >= 2},
        {ShapeTerm::Retreat, retreats(c)},
    };
    ShapeTermSet terms;
    for (const auto& [term, admitted] : checks)
        if (admitted)
            terms.add(term);
    return terms;
}

bool isVertical(Edge edge) { return edge == Edge::Top || edge == Edge::Bottom; }

} // namespace

int MoveShape::line() const { return *std::min_element(lines.begin(), lines.end()); }

namespace shape {

int lineFrom(Point p, Edge edge)
{
    switch (edge) {
    case Edge::Top:
        return p.row + 1;
    case Edge::Right:
        return kBoardSize - p.col;
    case Edge::Bottom:
        return kBoardSize - p.row;
    case Edge::Left:
        return p.col + 1;
    }
    return 0;
}

MoveShape classify(const Stones& before, Point move, std::int8_t colour)
{
    MoveShape shape;
    shape.move = move;
    shape.colour = colour;
    collectRelations(before, shape);
    for (const Edge edge : kAllEdges)
        shape.lines[static_cast<std::size_t>(edge)] = lineFrom(move, edge);
    Stones after = before;
    const rules::MoveResult result = rules::playMove(after, move.col, move.row, colour);
    shape.captures = result.capturedStones;
    shape.ataris = result.verdict == rules::Verdict::Played ? rules::atariCount(after, move.col, move.row) : 0;
    shape.hane = isHane(shape);
    shape.terms = admittedTerms(Context{before, shape, colour, opponentOf(colour), move});
    return shape;
}

Edge nearestEdge(const MoveShape& shape)
{
    Edge nearest = Edge::Top;
    for (const Edge edge : kAllEdges)
        if (shape.lineFrom(edge) < shape.lineFrom(nearest))
            nearest = edge;
    return nearest;
}

std::string_view sideWord(Edge edge)
{
    switch (edge) {
    case Edge::Top:
        return "上边";
    case Edge::Right:
        return "右边";
    case Edge::Bottom:
        return "下边";
    case Edge::Left:
        return "左边";
    }
    return "";
}

std::string_view lineWord(int line)
{
    static constexpr std::array<std::string_view, kNamedLines> kWords = {"一路", "二路", "三路", "四路", "五路"};
    return line >= 1 && line <= kNamedLines ? kWords[static_cast<std::size_t>(line - 1)] : std::string_view();
}

std::string_view sideName(const MoveShape& shape)
{
    const Edge nearest = nearestEdge(shape);
    const int line = shape.lineFrom(nearest);
    if (line > kCornerLines)
        return "中腹";
    int across = kBoardSize;
    for (const Edge edge : kAllEdges)
        if (isVertical(edge) != isVertical(nearest))
            across = std::min(across, shape.lineFrom(edge));
    if (across <= kCornerLines && across - line < kSideSpread)
        return "角上";
    return sideWord(nearest);
}

bool clearlyOffSide(const MoveShape& shape, Edge edge)
{
    for (const Edge other : kAllEdges)
        if (other != edge && shape.lineFrom(other) <= kClearSideLines &&
            shape.lineFrom(edge) >= shape.lineFrom(other) + kClearSideMargin)
            return true;
    return false;
}

} // namespace shape

} // namespace joseki::pack

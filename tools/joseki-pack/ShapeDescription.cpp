#include "ShapeDescription.h"

#include "core/Coordinates.h"

#include <string_view>
#include <vector>

namespace joseki::pack::description {

namespace {

std::string direction(Point from, Point to)
{
    const std::string vertical = to.row < from.row ? "upper" : to.row > from.row ? "lower" : "";
    const std::string horizontal = to.col < from.col ? "left" : to.col > from.col ? "right" : "";
    if (vertical.empty())
        return horizontal;
    if (horizontal.empty())
        return vertical == "upper" ? "above" : "below";
    return vertical + " " + horizontal;
}

std::string pointsOf(const MoveShape& shape, const std::vector<Point>& points, bool withDirection)
{
    std::string out;
    for (const Point p : points) {
        out += (out.empty() ? "" : ", ") + coordinates::boardName(p);
        if (withDirection)
            out += " (" + direction(shape.move, p) + ")";
    }
    return out;
}

void addRelation(std::string& out, const char* what, const MoveShape& shape, const std::vector<Point>& points,
                 bool withDirection)
{
    if (!points.empty())
        out += std::string(out.empty() ? "" : "; ") + what + " " + pointsOf(shape, points, withDirection);
}

std::string linesOf(const MoveShape& shape)
{
    std::string out = "lines top " + std::to_string(shape.lineFrom(Edge::Top)) + ", right " +
                      std::to_string(shape.lineFrom(Edge::Right)) + ", bottom " +
                      std::to_string(shape.lineFrom(Edge::Bottom)) + ", left " +
                      std::to_string(shape.lineFrom(Edge::Left));
    const std::string_view word = shape::lineWord(shape.line());
    if (!word.empty())
        out += " (" + std::string(word) + ")";
    return out;
}

std::string termsOf(const MoveShape& shape)
{
    std::string out;
    for (const ShapeTerm term : kAllShapeTerms)
        if (shape.terms.contains(term))
            out += " " + std::string(termText(term));
    return out.empty() ? " none" : out;
}

} // namespace

std::string ofShape(const MoveShape& shape)
{
    std::string out;
    addRelation(out, "touches", shape, shape.contacts, true);
    if (out.empty())
        out = "no contact";
    addRelation(out, "own next to it", shape, shape.ownAdjacent, true);
    addRelation(out, "own diagonal", shape, shape.ownDiagonal, true);
    addRelation(out, "opponent diagonal", shape, shape.opponentDiagonal, true);
    addRelation(out, "one-space jump from", shape, shape.ownJump, false);
    addRelation(out, "knight's move from", shape, shape.ownKnight, false);
    addRelation(out, "large knight's move from", shape, shape.ownLargeKnight, false);
    out += "; " + linesOf(shape) + "; side " + std::string(shape::sideName(shape));
    out += "; captures " + std::to_string(shape.captures) + "; ataris " + std::to_string(shape.ataris);
    out += "; terms" + termsOf(shape);
    return out;
}

} // namespace joseki::pack::description

#include "MovePaths.h"

#include "core/Coordinates.h"

#include <algorithm>

namespace joseki::pack {

namespace {

constexpr std::size_t kFullPathMoves = 80;
constexpr std::size_t kNamedHead = 10;
constexpr std::size_t kNamedTail = 40;
// "B Q16 " and the like.
constexpr std::size_t kNameLength = 6;

} // namespace

std::string MovePaths::moveName(char colour, Point move)
{
    std::string name;
    appendMoveName(name, colour, move);
    return name;
}

void MovePaths::appendMoveName(std::string& out, char colour, Point move)
{
    if (colour == 0) {
        out += "(no move)";
        return;
    }
    out += colour;
    out += ' ';
    if (!onBoard(move)) {
        out += "tenuki";
        return;
    }
    out += coordinates::boardLetter(move.col);
    out += std::to_string(coordinates::boardRowNumber(move.row));
}

std::size_t MovePaths::add(std::size_t parent, char colour, Point move)
{
    records_.push_back({parent, colour, move});
    return records_.size() - 1;
}

std::string MovePaths::name(std::size_t node) const
{
    std::vector<std::size_t> steps;
    for (std::size_t at = node; records_[at].parent != kNoParent; at = records_[at].parent)
        steps.push_back(at);
    if (steps.empty())
        return "root";
    std::reverse(steps.begin(), steps.end());
    std::string path;
    path.reserve(steps.size() * kNameLength);
    const bool elided = steps.size() > kFullPathMoves;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (elided && i == kNamedHead)
            path += " ... " + std::to_string(steps.size() - kNamedHead - kNamedTail) + " more ...";
        if (elided && i >= kNamedHead && i < steps.size() - kNamedTail)
            continue;
        const Record& step = records_[steps[i]];
        if (!path.empty())
            path += ' ';
        appendMoveName(path, step.colour, step.move);
    }
    return path;
}

} // namespace joseki::pack

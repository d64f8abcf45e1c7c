#include "TreeChecker.h"

#include "core/Coordinates.h"
#include "core/JosekiEngine.h"
#include "core/Rules.h"
#include "core/VariationNode.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace joseki::pack {

namespace {

// Naming a node walks up to the root, so a pathological tree with a problem
// at every deep node would take quadratic time; past this many lines only a count is kept.
constexpr std::size_t kListedWarnings = 1000;

// Steps of a path named in full at its start and at its end.
constexpr std::size_t kNamedHead = 4;
constexpr std::size_t kNamedTail = 8;

// Collects warning lines, naming each node only while the list is not full.
class Report {
public:
    void add(const VariationNode* node, const std::string& problem)
    {
        if (lines_.size() < kListedWarnings)
            lines_.push_back((node == nullptr ? std::string("root") : TreeChecker::describe(node)) + ": " + problem);
        else
            ++unlisted_;
    }
    std::vector<std::string> finish()
    {
        if (unlisted_ != 0)
            lines_.push_back(std::to_string(unlisted_) + " more problem(s) not listed");
        return std::move(lines_);
    }

private:
    std::vector<std::string> lines_;
    std::size_t unlisted_ = 0;
};

std::size_t childCount(const VariationNode* node)
{
    std::size_t count = 0;
    for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
        ++count;
    return count;
}

std::string pointName(const VariationNode* node)
{
    return {coordinates::sgfLetter(node->col), coordinates::sgfLetter(node->row)};
}

void checkChildren(const VariationNode* node, Report& report)
{
    const std::size_t count = childCount(node);
    if (count > static_cast<std::size_t>(kBranchReportLimit))
        report.add(node, std::to_string(count) + " children; the browser lists only the first 21");
    std::set<std::pair<int, int>> points;
    for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
        if (!points.insert({child->col, child->row}).second)
            report.add(child, "a second child at the same point; only the first can be reached");
}

// Warnings about the node's own move; updates the stones and the last colour.
void checkMove(const VariationNode* node, Stones& stones, char& lastColour, Report& report)
{
    if (node->color == 0)
        return;
    if (lastColour != 0 && node->color == lastColour)
        report.add(node, std::string(1, node->color) + " plays twice in a row");
    lastColour = node->color;
    if (node->hasMove()) {
        // Normal rules without ko: the checker follows one line, not a game.
        const rules::Verdict verdict =
            rules::playMove(stones, node->col, node->row, stoneForColourLetter(node->color)).verdict;
        if (verdict == rules::Verdict::Occupied)
            report.add(node, "a move to an occupied point");
        else if (verdict == rules::Verdict::Suicide)
            report.add(node, "a suicide move");
    } else if (node->col != kNoMove || node->row != kNoMove) {
        report.add(node, "a move half off the board, shown as none");
    }
}

} // namespace

TreeStats TreeChecker::measure(const VariationNode* root)
{
    TreeStats stats;
    if (root == nullptr)
        return stats;
    std::vector<std::pair<const VariationNode*, std::size_t>> open{{root, 0}};
    while (!open.empty()) {
        const auto [node, depth] = open.back();
        open.pop_back();
        std::size_t children = 0;
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling, ++children)
            open.push_back({child, depth + 1});
        ++stats.nodes;
        stats.depth = std::max(stats.depth, depth);
        stats.maxChildren = std::max(stats.maxChildren, children);
        stats.leaves += children == 0 ? 1 : 0;
        stats.branches += children > 1 ? 1 : 0;
    }
    return stats;
}

std::vector<std::string> TreeChecker::check(const VariationNode* root)
{
    Report report;
    if (root == nullptr)
        return report.finish();
    if (root->color != 0 && root->hasMove())
        report.add(root, "its move is never shown on the board");
    struct Pending {
        const VariationNode* node;
        Stones stones;   // the position before the node's move
        char lastColour; // the colour of the last move before it, 0 when none
    };
    std::vector<Pending> open;
    checkChildren(root, report);
    std::vector<const VariationNode*> children;
    for (const VariationNode* child = root->firstChild; child != nullptr; child = child->nextSibling)
        open.push_back({child, Stones{}, root->color});
    std::reverse(open.begin(), open.end());
    while (!open.empty()) {
        Pending current = std::move(open.back());
        open.pop_back();
        checkMove(current.node, current.stones, current.lastColour, report);
        checkChildren(current.node, report);
        children.clear();
        for (const VariationNode* child = current.node->firstChild; child != nullptr; child = child->nextSibling)
            children.push_back(child);
        // Pushed last-first so that variations are checked in written order.
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            open.push_back({*it, current.stones, current.lastColour});
    }
    return report.finish();
}

std::string TreeChecker::describe(const VariationNode* node)
{
    std::vector<std::string> steps;
    for (; node != nullptr && node->parent != nullptr; node = node->parent) {
        std::string step;
        if (node->parent->hasSeveralChildren()) {
            std::size_t index = 1;
            for (const VariationNode* c = node->parent->firstChild; c != node; c = c->nextSibling)
                ++index;
            step = "(" + std::to_string(index) + ") ";
        }
        step += node->color == 0 ? std::string("(no move)") : std::string(1, node->color) + " " + pointName(node);
        steps.push_back(step);
    }
    if (steps.empty())
        return "root";
    // A deep node is named by the start and the end of its path.
    std::string path;
    const std::size_t count = steps.size();
    for (std::size_t i = 0; i < count; ++i) {
        const bool elided = count > kNamedHead + kNamedTail && i >= kNamedHead && i < count - kNamedTail;
        if (elided && i == kNamedHead)
            path += " > ... " + std::to_string(count - kNamedHead - kNamedTail) + " more ...";
        else if (!elided)
            path += (path.empty() ? "" : " > ") + steps[count - 1 - i];
    }
    return path;
}

} // namespace joseki::pack

#include "core/JosekiEngine.h"

#include "core/BookReplay.h"
#include "core/CoreTexts.h"
#include "core/MessageService.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace joseki {

namespace {

using coreTexts::kBadBranchInfo;
using coreTexts::kIllegalStone;
using coreTexts::kTooManyBranches;
constexpr char kReportSeparator[] = ":\r\n";

// Branch information entries: column, row, ':', label; separated by "][".
constexpr std::size_t kLabelEntryLength = 4;
constexpr std::size_t kEntrySeparatorLength = 2;

bool isCoordinateLetter(char c) { return c >= 'a' && c <= 's'; }

} // namespace

JosekiEngine::JosekiEngine(MessageService& messages) : messages_(messages)
{
    pathStack.assign(kPathStackCapacity, nullptr);
}

JosekiEngine::~JosekiEngine() = default;

void JosekiEngine::adoptTree(NodeArena&& tree, VariationNode* newRoot)
{
    tree_ = std::move(tree);
    root = newRoot;
    cursor = nullptr;
    lastChoice = nullptr;
    pathDepth = 0;
    std::fill(pathStack.begin(), pathStack.end(), nullptr);
}

void JosekiEngine::reportDataError(std::string_view message, std::string_view excerpt)
{
    if (excerpt.size() > kExcerptLimit)
        excerpt = excerpt.substr(0, kExcerptLimit);
    std::string text;
    text.reserve(message.size() + sizeof kReportSeparator + excerpt.size());
    text.append(message).append(kReportSeparator).append(excerpt);
    messages_.showMessageBox(text, mb::kOk);
}

void JosekiEngine::reportDataError(std::string_view message, const char* excerptStart)
{
    // Only the first bytes can be shown; never measure the whole rest of the text.
    const std::size_t length = excerptStart == nullptr ? 0 : strnlen(excerptStart, kExcerptLimit + 1);
    reportDataError(message, std::string_view(excerptStart == nullptr ? "" : excerptStart, length));
}

VariationNode* JosekiEngine::childAt(const VariationNode* node, int col, int row)
{
    for (VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling) {
        if (child->col == col && child->row == row)
            return child;
    }
    return nullptr;
}

void JosekiEngine::resetToRoot()
{
    if (root == nullptr)
        return;
    cursor = root;
    lastChoice = root;
    pathStack[0] = root;
    pathDepth = 1;
    refreshPosition();
}

void JosekiEngine::pushChoice(VariationNode* child)
{
    // Past the reserved room the stack grows rather than overflow, so
    // navigation stays exact however deeply the variations nest.
    const auto depth = static_cast<std::size_t>(pathDepth);
    if (depth == pathStack.size())
        pathStack.push_back(child);
    else
        pathStack[depth] = child;
    ++pathDepth;
    lastChoice = child;
}

void JosekiEngine::stepTo(int col, int row)
{
    if (cursor == nullptr || cursor->firstChild == nullptr)
        return;
    const bool branch = cursor->hasSeveralChildren();
    if (VariationNode* child = childAt(cursor, col, row)) {
        cursor = child;
        if (branch)
            pushChoice(child);
    }
    refreshPosition();
}

void JosekiEngine::stepBack()
{
    if (cursor == nullptr || cursor == root)
        return;
    if (cursor == lastChoice && pathDepth > 1) {
        --pathDepth;
        lastChoice = pathStack[static_cast<std::size_t>(pathDepth - 1)];
    }
    cursor = cursor->parent;
    refreshPosition();
}

void JosekiEngine::upBranch()
{
    if (cursor == nullptr || cursor == root)
        return;
    do {
        stepBack();
    } while (cursor != lastChoice && cursor != root);
    refreshPosition();
}

void JosekiEngine::followForcedMoves()
{
    if (cursor == nullptr)
        return;
    // A node with one child records no choice when it is left, so the path
    // stack stays as stepping one move at a time would leave it; only the
    // refresh of each node on the way is saved, which keeps a forced line of
    // any length to a single replay of the board.
    while (cursor->firstChild != nullptr && !cursor->hasSeveralChildren())
        cursor = cursor->firstChild;
    refreshPosition();
}

void JosekiEngine::moveTo(const VariationNode& node)
{
    const std::vector<const VariationNode*> line = book::pathFromRoot(node);
    if (root == nullptr || line.front() != root)
        return;
    // As resetToRoot, without its refresh: only the node reached is shown.
    cursor = root;
    lastChoice = root;
    pathStack[0] = root;
    pathDepth = 1;
    // Each step is found among the children, so the cursor stays on the
    // engine's own nodes and a later sibling at the same point is reached too.
    for (auto it = line.begin() + 1; it != line.end(); ++it) {
        VariationNode* child = cursor->firstChild;
        while (child != *it)
            child = child->nextSibling;
        const bool branch = cursor->hasSeveralChildren();
        cursor = child;
        if (branch)
            pushChoice(child);
    }
    refreshPosition();
}

void JosekiEngine::refreshPosition()
{
    if (cursor == nullptr)
        return;
    parseBranchLabels();
    listCandidates();
    rebuildBoard();
}

void JosekiEngine::parseBranchLabels()
{
    branchLabelCount = 0;
    const char* info = cursor->branchInfo;
    if (info == nullptr || info[0] == '\0')
        return;
    const std::size_t length = std::strlen(info);
    std::size_t pos = 0;
    for (;;) {
        if (length - pos < kLabelEntryLength || !isCoordinateLetter(info[pos]) || !isCoordinateLetter(info[pos + 1]) ||
            info[pos + 2] != ':') {
            reportDataError(kBadBranchInfo, info);
            return;
        }
        const auto slot = static_cast<std::size_t>(branchLabelCount);
        branchLabels[slot] = {info[pos] - 'a', info[pos + 1] - 'a'};
        branchLabelChars[slot] = info[pos + 3];
        ++branchLabelCount;
        if (branchLabelCount > kBranchReportLimit) {
            reportDataError(kTooManyBranches, info);
            return;
        }
        pos += kLabelEntryLength;
        if (pos == length)
            return;
        if (length - pos >= kEntrySeparatorLength && info[pos] == ']' && info[pos + 1] == '[') {
            pos += kEntrySeparatorLength;
            if (pos == length)
                return; // a trailing "][" ends the list quietly
            continue;
        }
        reportDataError(kBadBranchInfo, info);
        return;
    }
}

void JosekiEngine::listCandidates()
{
    candidateCount = 0;
    for (const VariationNode* child = cursor->firstChild; child != nullptr; child = child->nextSibling) {
        const auto slot = static_cast<std::size_t>(candidateCount);
        candidates[slot] = {child->col, child->row};
        ++candidateCount;
        if (candidateCount > kBranchReportLimit) {
            reportDataError(kTooManyBranches, cursor->branchInfo);
            return;
        }
    }
}

void JosekiEngine::rebuildBoard()
{
    stoneCount = 0;
    book.clear();
    for (std::int32_t i = 0; i < pathDepth; ++i) {
        for (VariationNode* p = pathStack[static_cast<std::size_t>(i)]; p != nullptr; p = p->firstChild) {
            int counter = stoneCount;
            if (p != root && joseki::book::placeMove(book, *p, counter) == joseki::book::Placement::IllegalColour) {
                // The label board keeps what it showed before.
                messages_.showMessageBox(kIllegalStone, mb::kOk);
                return;
            }
            stoneCount = counter;
            if (p == cursor || p->hasSeveralChildren())
                break;
        }
    }
    labelBoard.fill(0);
    for (std::int32_t i = 0; i < branchLabelCount; ++i) {
        const Point& label = branchLabels[static_cast<std::size_t>(i)];
        if (onBoard(label.col, label.row))
            labelBoard[static_cast<std::size_t>(pointIndex(label.col, label.row))] =
                branchLabelChars[static_cast<std::size_t>(i)];
    }
}

} // namespace joseki

#include "tests/support/BookPaths.h"

#include "core/Coordinates.h"
#include "core/VariationNode.h"

#include <gtest/gtest.h>

#include <string>

namespace joseki::test {

namespace {

bool fits(const VariationNode& child, const std::string& move)
{
    if (move.empty())
        return child.color == 0;
    return child.color != 0 && coordinates::sgfName(Point{child.col, child.row}) == move;
}

} // namespace

const VariationNode* nodeAt(const VariationNode* root, std::initializer_list<const char*> moves)
{
    const VariationNode* node = root;
    for (const char* move : moves) {
        const VariationNode* next = node->firstChild;
        while (next != nullptr && !fits(*next, move))
            next = next->nextSibling;
        if (next == nullptr) {
            ADD_FAILURE() << "no move " << move << " in the book here";
            return root;
        }
        node = next;
    }
    return node;
}

} // namespace joseki::test

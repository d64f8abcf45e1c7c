#include "core/BoardDiagram.h"
#include "core/BookReplay.h"
#include "core/NodeArena.h"
#include "core/VariationNode.h"

#include <gtest/gtest.h>

namespace joseki {
namespace {

TEST(BoardDiagramTest, ParsesCellsIgnoringBlanksAndPrintsThemBack)
{
    const char* text = "\n"
                       "  X . O\n"
                       "\n"
                       "  . O .  \n";
    const Stones stones = diagram::parse(text);
    EXPECT_EQ(stones[static_cast<std::size_t>(pointIndex(0, 0))], kBlack);
    EXPECT_EQ(stones[static_cast<std::size_t>(pointIndex(2, 0))], kWhite);
    EXPECT_EQ(stones[static_cast<std::size_t>(pointIndex(1, 1))], kWhite);
    EXPECT_EQ(diagram::cols(text), 3);
    EXPECT_EQ(diagram::rows(text), 2);
    EXPECT_EQ(diagram::print(stones, 4, 3), "X.O.\n"
                                            ".O..\n"
                                            "....\n");
    EXPECT_EQ(diagram::print(stones).size(), static_cast<std::size_t>(kBoardSize * (kBoardSize + 1)));
    // Cells beyond the board are dropped, not wrapped.
    const Stones wide = diagram::parse(std::string(kBoardSize, '.') + "X\n");
    EXPECT_EQ(diagram::print(wide), diagram::print(Stones{}));
}

// A node below `parent` with a move, from the arena.
VariationNode* addMove(NodeArena& arena, VariationNode* parent, char colour, int col, int row)
{
    VariationNode* node = arena.newNode();
    node->color = colour;
    node->col = static_cast<std::uint8_t>(col);
    node->row = static_cast<std::uint8_t>(row);
    node->parent = parent;
    node->nextSibling = parent->firstChild;
    parent->firstChild = node;
    return node;
}

TEST(BookReplayTest, PositionBeforeANodeReplaysItsLineWithTheBookRuleAlongThePathFromTheRoot)
{
    NodeArena arena;
    VariationNode* root = arena.newNode();
    root->color = 'B';
    root->col = 9;
    root->row = 9; // the root's own move is never placed
    VariationNode* a = addMove(arena, root, 'W', 1, 0);
    VariationNode* b = addMove(arena, a, 'W', 0, 1);
    VariationNode* tenuki = addMove(arena, b, 'B', kNoMove, kNoMove);
    VariationNode* c = addMove(arena, tenuki, 'b', 0, 0); // a stone without liberties stays
    VariationNode* d = addMove(arena, c, 'w', 2, 2);
    BoardPosition position;
    int stones = -1;
    ASSERT_TRUE(book::positionBefore(*d, position, stones));
    EXPECT_EQ(stones, 3);
    EXPECT_EQ(diagram::print(position.board, 3, 3), "XO.\n"
                                                    "O..\n"
                                                    "...\n");
    EXPECT_EQ(position.moveNumbers[static_cast<std::size_t>(pointIndex(0, 0))], 3);
    ASSERT_TRUE(book::positionBefore(*a, position, stones));
    EXPECT_EQ(stones, 0);
    EXPECT_EQ(diagram::print(position.board), diagram::print(Stones{}));

    c->color = 'x';
    EXPECT_FALSE(book::positionBefore(*d, position, stones));
    EXPECT_EQ(stones, 2);

    const std::vector<const VariationNode*> line = {root, a, b, tenuki, c, d};
    EXPECT_EQ(book::pathFromRoot(*d), line);
    EXPECT_EQ(book::pathFromRoot(*root), std::vector<const VariationNode*>{root});
}

} // namespace
} // namespace joseki

#include "core/NodeArena.h"
#include "core/VariationNode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace joseki {
namespace {

bool aligned(const void* p, std::size_t alignment) { return reinterpret_cast<std::uintptr_t>(p) % alignment == 0; }

TEST(NodeArenaTest, HandsOutFreshAlignedNodesMarksAndTexts)
{
    NodeArena arena;
    std::vector<VariationNode*> nodes;
    for (int i = 0; i < 5000; ++i) {
        // Texts of odd lengths between the nodes would misalign a careless arena.
        arena.copyText("abc", static_cast<std::size_t>(i % 3));
        VariationNode* node = arena.newNode();
        ASSERT_TRUE(aligned(node, alignof(VariationNode))) << i;
        EXPECT_EQ(node->col, 19);
        EXPECT_EQ(node->firstChild, nullptr);
        EXPECT_EQ(node->comment, nullptr);
        node->row = static_cast<std::uint8_t>(i % 19);
        nodes.push_back(node);
        NodeMark* mark = arena.newMark();
        ASSERT_TRUE(aligned(mark, alignof(NodeMark))) << i;
        EXPECT_EQ(mark->next, nullptr);
    }
    // Nothing handed out was handed out twice.
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(nodes[static_cast<std::size_t>(i)]->row, i % 19) << i;
    EXPECT_GT(arena.bytesUsed(), 5000 * sizeof(VariationNode));
}

TEST(NodeArenaTest, CopiesTextsWithTheirTerminatorAtAnySize)
{
    NodeArena arena;
    const std::string longText(3 * 1024 * 1024, 'x'); // larger than any block
    const char* copies[] = {arena.copyText("", 0), arena.copyText("a\0b", 3),
                            arena.copyText(longText.data(), longText.size())};
    EXPECT_STREQ(copies[0], "");
    EXPECT_EQ(std::string(copies[1], 3), std::string("a\0b", 3));
    EXPECT_EQ(copies[1][3], '\0');
    EXPECT_EQ(std::string(copies[2]), longText);
    EXPECT_NE(copies[2], longText.data());
}

TEST(NodeArenaTest, MovingHandsTheTreeOverAndReleaseEmpties)
{
    NodeArena first;
    VariationNode* root = first.newNode();
    root->comment = first.copyText("kept", 4);
    const std::size_t used = first.bytesUsed();
    NodeArena second(std::move(first));
    EXPECT_EQ(second.bytesUsed(), used);
    EXPECT_EQ(first.bytesUsed(), 0u);
    EXPECT_STREQ(root->comment, "kept");
    // The emptied arena works on its own again.
    EXPECT_STREQ(first.copyText("new", 3), "new");
    second.release();
    EXPECT_EQ(second.bytesUsed(), 0u);
    EXPECT_NE(second.newNode(), nullptr);
}

} // namespace
} // namespace joseki

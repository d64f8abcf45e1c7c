// The library the browser ships with, read the way the browser reads it: from
// the container at the end of the built executable.
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace joseki {
namespace {

const std::filesystem::path kBrowser = std::filesystem::path(JOSEKI_BINARY_DIR) / "joseki-browser";

class DefaultLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(kBrowser)) << kBrowser;
        loadJosekiLibrary(engine, kBrowser.string());
    }

    // Every node, depth first.
    std::vector<const VariationNode*> allNodes() const
    {
        std::vector<const VariationNode*> nodes;
        std::vector<const VariationNode*> open{engine.root};
        while (!open.empty()) {
            const VariationNode* node = open.back();
            open.pop_back();
            nodes.push_back(node);
            for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
                open.push_back(child);
        }
        return nodes;
    }

    static bool hasText(const NodeText text) { return text != nullptr && text[0] != '\0'; }

    test::RecordingMessageService messages;
    JosekiEngine engine{messages};
};

TEST_F(DefaultLibraryTest, LoadsFromTheExecutableWithoutAnyMessage)
{
    EXPECT_TRUE(messages.boxes.empty()) << messages.boxes.front().text;
    EXPECT_FALSE(messages.exited());
    ASSERT_TRUE(engine.isLoaded());
    EXPECT_EQ(engine.cursor, engine.root);
    EXPECT_TRUE(hasText(engine.root->comment)); // the welcome and how to use the browser
}

TEST_F(DefaultLibraryTest, OpensWithTheFiveCornerOpenings)
{
    ASSERT_TRUE(engine.isLoaded());
    // 星位, 小目, 三三, 高目, 目外 in the upper-right corner.
    const std::vector<Point> openings = {{15, 3}, {16, 3}, {16, 2}, {15, 4}, {16, 4}};
    const std::vector<Point> candidates(engine.candidates.begin(), engine.candidates.begin() + engine.candidateCount);
    for (const Point& opening : openings) {
        EXPECT_NE(std::find(candidates.begin(), candidates.end(), opening), candidates.end())
            << opening.col << "," << opening.row;
    }
}

TEST_F(DefaultLibraryTest, EveryBranchAndEveryLeafIsCommented)
{
    ASSERT_TRUE(engine.isLoaded());
    int leaves = 0;
    const std::vector<const VariationNode*> nodes = allNodes();
    for (const VariationNode* node : nodes) {
        const bool leaf = node->firstChild == nullptr;
        leaves += leaf ? 1 : 0;
        if (leaf || node->hasSeveralChildren()) {
            EXPECT_TRUE(hasText(node->comment))
                << "a node at " << static_cast<int>(node->col) << "," << static_cast<int>(node->row);
        }
    }
    EXPECT_GE(leaves, 150);
    EXPECT_GE(nodes.size(), 1500u);
}

TEST_F(DefaultLibraryTest, EveryNodeCanBeVisitedWithoutAMessage)
{
    ASSERT_TRUE(engine.isLoaded());
    // Walk the whole tree through the browser's own navigation: every label
    // and every board rebuild is checked on the way.
    struct Step {
        bool down;
        Point point;
    };
    std::vector<Step> plan;
    std::vector<std::pair<const VariationNode*, bool>> open;
    for (const VariationNode* child = engine.root->firstChild; child != nullptr; child = child->nextSibling)
        open.push_back({child, true});
    while (!open.empty()) {
        auto [node, entering] = open.back();
        open.pop_back();
        if (!entering) {
            plan.push_back({false, {}});
            continue;
        }
        plan.push_back({true, {node->col, node->row}});
        open.push_back({node, false});
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
            open.push_back({child, true});
    }
    for (const Step& step : plan) {
        if (step.down)
            engine.stepTo(step.point.col, step.point.row);
        else
            engine.stepBack();
    }
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(engine.cursor, engine.root);
}

} // namespace
} // namespace joseki

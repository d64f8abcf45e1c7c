// The walk that hands each node its line's state.
#include "tools/joseki-pack/LineWalk.h"

#include "core/Coordinates.h"
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace joseki::pack {
namespace {

TEST(LineWalkTest, EachNodeSeesTheMovesAboveItInWrittenOrder)
{
    test::RecordingMessageService messages;
    JosekiEngine engine(messages);
    loadLibraryText(engine, "(;C[root](;B[pd](;W[qf];B[nc](;W[qc])(;W[pc]))(;W[nc])(;W[tt];B[qf]))(;B[qd]))");
    std::vector<std::string> seen;
    walkLines(engine.root, std::string(), [&](const VariationNode& node, std::size_t depth, std::string& line) {
        if (depth > 0)
            line += (line.empty() ? "" : " ") + coordinates::sgfName({node.col, node.row});
        seen.push_back(std::to_string(depth) + ":" + line);
    });
    const std::vector<std::string> expected = {
        "0:",      "1:pd",    "2:pd qf",    "3:pd qf nc", "4:pd qf nc qc", "4:pd qf nc pc",
        "2:pd nc", "2:pd tt", "3:pd tt qf", "1:qd",
    };
    EXPECT_EQ(seen, expected);
}

TEST(LineWalkTest, DeepChainsNeedNoCallStack)
{
    test::RecordingMessageService messages;
    JosekiEngine engine(messages);
    const int depth = 100000;
    std::string text = "(;C[root]";
    for (int i = 0; i < depth; ++i)
        text += i % 2 == 0 ? ";B[tt]" : ";W[tt]";
    loadLibraryText(engine, text + ")");
    std::size_t deepest = 0;
    int visits = 0;
    walkLines(engine.root, 0, [&](const VariationNode&, std::size_t at, int&) {
        deepest = std::max(deepest, at);
        ++visits;
    });
    EXPECT_EQ(deepest, static_cast<std::size_t>(depth));
    EXPECT_EQ(visits, depth + 1);
}

} // namespace
} // namespace joseki::pack

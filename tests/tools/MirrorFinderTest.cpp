// Mirror copies among sibling subtrees, found from small library texts.
#include "tools/joseki-pack/MirrorFinder.h"

#include "core/Coordinates.h"
#include "core/JosekiEngine.h"
#include "core/Symmetry.h"
#include "core/VariationNode.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki::pack {
namespace {

struct MirrorCase {
    const char* name;
    const char* library;            // below a root and a black star point at pd
    std::vector<std::string> pairs; // "first second" as SGF points of the two children
};

std::string pointOf(const VariationNode* node) { return coordinates::sgfName({node->col, node->row}); }

std::vector<std::string> pairsIn(const std::string& library, bool symmetric)
{
    test::RecordingMessageService messages;
    JosekiEngine engine(messages);
    loadLibraryText(engine, "(;C[root](;B[pd]C[star]" + library + "))");
    EXPECT_TRUE(messages.boxes.empty()) << library;
    std::vector<std::string> pairs;
    for (const MirrorPair& pair : mirrors::find(engine.root, [&](const VariationNode&) { return symmetric; }))
        pairs.push_back(pointOf(pair.first) + " " + pointOf(pair.second));
    return pairs;
}

TEST(MirrorFinderTest, SiblingSubtreesThatAreReflections)
{
    const MirrorCase cases[] = {
        {"two approaches", "(;W[qf])(;W[nc])", {"qf nc"}},
        {"whole lines, their variations in another order",
         "(;W[qf](;B[nc])(;B[qh]))(;W[nc](;B[lc])(;B[qf]))",
         {"qf nc"}},
        {"tenuki stays tenuki", "(;W[qf];B[tt];W[od])(;W[nc];B[tt];W[pe])", {"qf nc"}},
        {"one move differs", "(;W[qf];B[nc])(;W[nc];B[qg])", {}},
        {"one line is longer", "(;W[qf];B[nc])(;W[nc];B[qf];W[od])", {}},
        {"colours differ", "(;W[qf])(;B[nc])", {}},
        {"a stone on the diagonal is not its own copy", "(;W[qc])(;W[pc])", {}},
        {"only the reflected pair of three", "(;W[qf])(;W[pf])(;W[nc])", {"qf nc"}},
    };
    for (const MirrorCase& c : cases)
        EXPECT_EQ(pairsIn(c.library, true), c.pairs) << c.name;
}

TEST(MirrorFinderTest, OnlyBelowSymmetricPositions) { EXPECT_TRUE(pairsIn("(;W[qf])(;W[nc])", false).empty()); }

TEST(MirrorFinderTest, EveryPairAmongManySiblings)
{
    // 300 single-move siblings: each whose reflection comes earlier makes one pair.
    std::string library;
    int expected = 0;
    for (int col = 0; col < 19; ++col)
        for (int row = 0; row < 19 && col * 19 + row < 300; ++row) {
            library += "(;W[" + coordinates::sgfName({col, row}) + "])";
            const Point mirror = symmetry::transform({col, row}, mirrors::kDiagonal);
            expected += (mirror.col * 19 + mirror.row < col * 19 + row) && (mirror.col * 19 + mirror.row < 300) ? 1 : 0;
        }
    EXPECT_EQ(pairsIn(library, true).size(), static_cast<std::size_t>(expected));
}

} // namespace
} // namespace joseki::pack

// The stats matcher: positions of an engine-frequency tree found by any move
// order, in any orientation and with either colour, and the rules lint draws
// from its figures.
#include "tools/joseki-pack/FrequencyTree.h"
#include "tools/joseki-pack/FrequencyRules.h"
#include "tools/joseki-pack/PopularityClaim.h"

#include "core/Coordinates.h"
#include "core/Rules.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace joseki::pack {
namespace {

// A made-up tree: a star point, two approaches, answers to one of them, and
// one position reached by two move orders (W R14 + W O17 with a black tenuki
// between, in either order).
const char* const kStatsTree = "(;FF[4]CA[UTF-8]C[made up for the tests]"
                               "(;B[pd]C[{\"count\": 1000, \"b_win\": 480}]"
                               " (;W[qf]C[{\"count\": 600}]"
                               "  (;B[nc]C[{\"count\": 300}])"
                               "  (;B[qh]C[{\"count\": 200}])"
                               "  (;B[tt]C[{\"count\": 100}];W[nc]C[{\"count\": 50}];B[od]C[{\"count\": 20}]))"
                               " (;W[nc]C[{\"count\": 300}]"
                               "  (;B[tt]C[{\"count\": 60}];W[qf]C[{\"count\": 30}];B[od]C[{\"count\": 10}])"
                               "  (;B[zz]C[{\"count\": 5}];W[qf]C[{\"count\": 5}]))"
                               " (;W[qc]C[no statistics]))"
                               "(;B[qd]C[{\"count\": 700}]))";

using Moves = std::vector<std::pair<char, const char*>>;

// The position after the moves (SGF letters, "tt" for tenuki), with the side to move after the last.
PositionKey after(const Moves& moves)
{
    Stones stones{};
    PositionKey key;
    std::int8_t toMove = kBlack;
    for (const auto& [colour, point] : moves) {
        const std::int8_t stone = stoneForColourLetter(colour);
        const Point p = *coordinates::parseSgfName(point);
        if (onBoard(p)) {
            const Stones before = stones;
            rules::playMove(stones, p.col, p.row, stone);
            key.update(before, stones);
        }
        toMove = opponentOf(stone);
    }
    key.setToMove(toMove);
    return key;
}

class FrequencyTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(tree.read(kStatsTree, error)) << error;
    }
    FrequencyTree tree;
};

TEST_F(FrequencyTreeTest, GamesAtAPositionInEveryOrientationAndColour)
{
    struct Case {
        const char* name;
        Moves moves;
        std::uint32_t games;
    };
    const Case cases[] = {
        {"the star point", {{'B', "pd"}}, 1000},
        // The tree's W R14 and W O17 nodes are reflections of each other: one position.
        {"the approach as the tree plays it", {{'B', "pd"}, {'W', "qf"}}, 600 + 300},
        {"the approach from the other side, the diagonal reflection", {{'B', "pd"}, {'W', "nc"}}, 300 + 600},
        {"the same in the lower-left corner", {{'B', "dp"}, {'W', "cn"}}, 900},
        {"with the colours exchanged", {{'W', "pd"}, {'B', "qf"}}, 900},
        // The node B[zz] has no readable move: it and its W Q17 are left out, or this would be 85.
        {"reached by two move orders", {{'B', "pd"}, {'W', "qf"}, {'B', "tt"}, {'W', "nc"}}, 50 + 30},
        {"the other order of it", {{'B', "pd"}, {'W', "nc"}, {'B', "tt"}, {'W', "qf"}}, 80},
        {"another corner stone", {{'B', "qd"}}, 700},
        {"a position the tree lacks", {{'B', "pd"}, {'W', "pc"}}, 0},
        {"a count the tree does not give", {{'B', "pd"}, {'W', "qc"}}, 0},
        {"the empty board is not indexed", {}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tree.gamesAt(after(c.moves)), c.games) << c.name;
}

TEST_F(FrequencyTreeTest, GamesOfAMove)
{
    const PositionKey approached = after({{'B', "pd"}, {'W', "qf"}});
    EXPECT_EQ(tree.gamesOf(approached, after({{'B', "pd"}, {'W', "qf"}, {'B', "nc"}})), 300u);
    EXPECT_EQ(tree.gamesOf(approached, after({{'B', "pd"}, {'W', "qf"}, {'B', "tt"}})), 100u + 60u);
    EXPECT_EQ(tree.gamesOf(approached, after({{'B', "pd"}, {'W', "qf"}, {'B', "pf"}})), 0u);
    // The reflected position: its answer B R14 is the tree's B O17.
    const PositionKey reflected = after({{'B', "pd"}, {'W', "nc"}});
    EXPECT_EQ(tree.gamesOf(reflected, after({{'B', "pd"}, {'W', "nc"}, {'B', "qf"}})), 300u);
    // Both move orders lead on to the same answer.
    const PositionKey both = after({{'B', "pd"}, {'W', "qf"}, {'B', "tt"}, {'W', "nc"}});
    EXPECT_EQ(tree.gamesOf(both, after({{'B', "pd"}, {'W', "qf"}, {'B', "tt"}, {'W', "nc"}, {'B', "od"}})), 30u);
    // The tenuki answers of the two orientations are one move.
    EXPECT_EQ(tree.gamesOf(reflected, after({{'B', "pd"}, {'W', "nc"}, {'B', "tt"}})), 100u + 60u);
}

TEST_F(FrequencyTreeTest, ContinuationsInTheAskersOrientation)
{
    const std::vector<Continuation> moves = tree.continuations(after({{'B', "pd"}, {'W', "nc"}}));
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].move, *coordinates::parseSgfName("qf"));
    EXPECT_EQ(moves[0].games, 300u);
    EXPECT_EQ(moves[1].move, *coordinates::parseSgfName("lc")); // the tree's R12, reflected
    EXPECT_EQ(moves[1].games, 200u);
    EXPECT_TRUE(moves[2].tenuki);
    EXPECT_EQ(moves[2].move, kNoMovePoint);
    EXPECT_EQ(moves[2].games, 100u + 60u);
}

TEST(FrequencyTreeReadTest, RejectsTextWithoutATree)
{
    FrequencyTree tree;
    std::string error;
    EXPECT_FALSE(tree.read("no game tree here", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(tree.read("(;C[only a root])", error)) << error;
    EXPECT_EQ(tree.size(), 0u);
}

TEST(FrequencyRulesTest, RareMoves)
{
    struct Case {
        int moveNumber;
        std::uint32_t positionGames;
        std::uint32_t moveGames;
        bool rare;
    };
    const Case cases[] = {
        {3, 1000, 19, true},  // under 2%
        {3, 1000, 20, false}, // exactly 2%
        {3, 1000, 0, true},   // a move the tree lacks
        {3, 50, 0, true},     // the least number of games that is judged
        {3, 49, 0, false},    // too few games
        {2, 1000, 0, false},  // the approach names the family
        {1, 1000, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frequency::isRare(c.moveNumber, c.positionGames, c.moveGames), c.rare)
            << c.moveNumber << " " << c.positionGames << " " << c.moveGames;
}

TEST(FrequencyRulesTest, ClaimsOfTheMostCommonMove)
{
    const std::vector<Continuation> moves = {
        {1, {16, 2}, 1548, false},
        {2, {15, 2}, 610, false},
        {3, kNoMovePoint, 3400, true},
        {4, {16, 5}, 76, false},
    };
    struct Case {
        std::uint64_t claimed;
        std::uint32_t claimedGames;
        std::uint32_t positionGames;
        std::uint64_t refutedBy; // 0: the claim holds
    };
    const Case cases[] = {
        {2, 610, 6263, 1},                      // 1548 is more than twice 610
        {1, 1548, 6263, 0},                     // the claimed move is the most common local move
        {4, 76, 6263, 1},   {3, 3400, 6263, 0}, // tenuki, more common than any local move
        {2, 610, 499, 0},                       // too few games to judge
        {2, 800, 6263, 0},                      // 1548 is less than twice 800
        {2, 774, 6263, 1},                      // exactly twice
    };
    for (const Case& c : cases) {
        const std::optional<Continuation> better =
            frequency::refutation(moves, c.positionGames, c.claimed, c.claimedGames);
        EXPECT_EQ(better.has_value() ? better->child : 0, c.refutedBy) << c.claimed << " " << c.claimedGames;
    }
}

TEST(PopularityClaimTest, WhatTheClaimNames)
{
    using Target = PopularityClaim::Target;
    struct Case {
        const char* comment;
        std::int8_t colour;
        Target target;
        char letter;
    };
    const Case cases[] = {
        {"黑在上边三路托。白A位扳最常见，B位顶也有。", kBlack, Target::Letter, 'A'},
        {"白挂。黑的应法：A 挖，约占一半，最常见。", kWhite, Target::Letter, 'A'},
        {"白挂。黑脱先最常见（约四成）。", kWhite, Target::Tenuki, 0},
        {"黑脱先，强手对局中最常见的下法。", kBlack, Target::OwnMove, 0},
        {"白点三三，是现代最流行的下法。", kWhite, Target::OwnMove, 0},
        {"白点三三，黑最常见的应法是挡。", kWhite, Target::Unresolved, 0}, // Black's answer, no letter
        {"白挂。最常见的是B位，其次C位。", kWhite, Target::Letter, 'B'},
        {"白挂。A位不是最常见的下法。", kWhite, Target::Unresolved, 0}, // negated
        {"白挂。此处最流行什么？", kWhite, Target::Unresolved, 0},
        {"白挂，黑脱先最常见。", kWhite, Target::Tenuki, 0}, // Black named before the claim
    };
    for (const Case& c : cases) {
        const std::vector<PopularityClaim> claims = popularity::claims(c.comment, c.colour);
        ASSERT_EQ(claims.size(), 1u) << c.comment;
        EXPECT_EQ(claims[0].target, c.target) << c.comment;
        EXPECT_EQ(claims[0].letter, c.letter) << c.comment;
    }
    EXPECT_TRUE(popularity::claims("白挂，最普通。", kWhite).empty());
    EXPECT_EQ(popularity::claims("A位最常见；B位最流行。", kWhite).size(), 2u);
}

TEST(FrequencyTreeCorpusTest, TheEngineFrequencyTree)
{
    const std::filesystem::path path = test::corpusPath("katago_training_joseki.sgf");
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "no shared corpus beside this checkout";
    FrequencyTree tree;
    std::string error;
    ASSERT_TRUE(tree.read(test::readFile(path), error)) << error;
    const PositionKey star = after({{'B', "pd"}});
    EXPECT_EQ(tree.gamesAt(star), 151399u);
    // The small knight's approach below the star point, and the same from its left.
    EXPECT_EQ(tree.gamesOf(star, after({{'B', "pd"}, {'W', "qf"}})), 45341u);
    EXPECT_EQ(tree.gamesOf(star, after({{'B', "pd"}, {'W', "nc"}})), 45341u);
    // Against the 5-4 point the 3-3 invasion is chosen about 2.5 times as
    // often as the small approach, so a claim for the approach is refuted.
    const PositionKey outside = after({{'B', "qe"}});
    const PositionKey approach = after({{'B', "qe"}, {'W', "pc"}});
    const std::uint32_t claimed = tree.gamesOf(outside, approach);
    EXPECT_EQ(claimed, 610u);
    const std::optional<Continuation> better =
        frequency::refutation(tree.continuations(outside), tree.gamesAt(outside), approach.canonical(), claimed);
    ASSERT_TRUE(better.has_value());
    EXPECT_EQ(coordinates::boardName(better->move), "R17");
    EXPECT_EQ(better->games, 1548u);
}

} // namespace
} // namespace joseki::pack

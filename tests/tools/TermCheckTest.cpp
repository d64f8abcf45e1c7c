// Contradictions between the lead term of a comment and the move's shape.
// Diagrams show the upper-right corner (their last column is the right
// edge); moves are named as the board names them.
#include "tools/joseki-pack/TermCheck.h"

#include "core/BoardDiagram.h"
#include "core/Coordinates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki::pack {
namespace {

// The diagram's stones moved right so that its last column is the board's last.
Stones upperRight(const char* text)
{
    const Stones drawn = diagram::parse(text);
    const int shift = kBoardSize - diagram::cols(text);
    Stones stones{};
    for (int col = 0; col + shift < kBoardSize; ++col)
        for (int row = 0; row < kBoardSize; ++row)
            stones[static_cast<std::size_t>(pointIndex(col + shift, row))] =
                drawn[static_cast<std::size_t>(pointIndex(col, row))];
    return stones;
}

// Black's 小目 at R16 with a white approach and Black's answer at Q17: Q15 is White's shoulder hit.
const char* const kShoulderHitPosition = ". . . . . . .\n"
                                         ". . . . . . .\n"
                                         ". . O X . . .\n"
                                         ". . . . X . .\n"
                                         ". . . . . . .\n";

struct TermCase {
    const char* name;
    const char* diagram;
    const char* move;
    std::int8_t colour;
    const char* comment;
    std::vector<std::string> findings;
};

const std::vector<TermCase>& termCases()
{
    //                       columns:  N O P Q R S T
    static const std::vector<TermCase> cases = {
        {"飞 for a solid extension in contact",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . O . . . .\n"
         "X . . . X . .\n"
         ". . O . . . .\n"
         ". . . X . . .\n",
         "P14",
         kWhite,
         "白继续飞出，向中腹发展。",
         {"飞 for a move in contact with an opponent stone",
          "飞 for a move at no knight's distance from an own stone"}},
        {"托 for a diagonal move that touches nothing",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". O . . . . .\n"
         "O X . X . . .\n"
         ". X . . . . .\n",
         "P18",
         kWhite,
         "白托，先求眼位。",
         {"托 for a move that touches no opponent stone"}},
        {"长 for a hane",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . X . . .\n"
         ". . . X O . .\n"
         ". . . X O . .\n"
         ". . . X O . .\n"
         ". . X O . . .\n"
         ". . . . . . .\n",
         "P12",
         kWhite,
         "白长，出头。",
         {"长 for a hane: diagonal to an own stone, touching the opponent stone beside it"}},
        {"二路 for a third-line crawl",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . O . . . .\n"
         ". X . . X . .\n"
         ". . . X . . .\n",
         "O17",
         kWhite,
         "白在二路爬，求活。",
         {"二路 for a move on line 3"}},
        {"the line counts from the side named",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . X . . .\n",
         "S14",
         kWhite,
         "白在右边二路托。",
         {"托 for a move that touches no opponent stone"}},
        {"提 for an atari",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . X .\n"
         ". . . . . O X\n"
         ". . . . . . .\n",
         "S15",
         kBlack,
         "黑在一路提掉白一子。",
         {"提 where nothing is captured", "一路 for a move on line 2"}},
        {"右边 for a move on the upper side",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". O . . X . . .\n",
         "N17",
         kBlack,
         "黑在右边挡。",
         {"右边 for a move on the upper side"}},
        {"跳 for a diagonal move",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . X . . .\n"
         ". . . . . . .\n"
         ". . . . O . .\n"
         ". . . . . . .\n",
         "Q13",
         kWhite,
         "白在右边跳。",
         {"跳 for a move at no one-space jump from an own stone"}},
        {"碰 for a shoulder hit",
         kShoulderHitPosition,
         "Q15",
         kWhite,
         "白碰。",
         {"碰 for a move that touches no opponent stone"}},
        {"镇 in contact",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". O . . . . .\n"
         ". . . . . . .\n",
         "O15",
         kBlack,
         "黑在上方镇。",
         {"镇 for a move in contact with an opponent stone"}},
        {"打 for a move that gives no atari",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . O X . .\n"
         ". . . . . . .\n",
         "P17",
         kBlack,
         "黑在三路打。",
         {"打 for a move that leaves no opponent group in atari"}},
        {"a second-line knight's move named right",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . O . .\n"
         ". . . . X . .\n",
         "P18",
         kWhite,
         "白二路飞，角上基本成活。",
         {}},
        {"a shoulder hit named right", kShoulderHitPosition, "Q15", kWhite, "白肩冲，压低黑棋。", {}},
        {"the opponent's stone named in the clause",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . X . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . O . . .\n"
         ". . . . . . .\n",
         "R12",
         kWhite,
         "白先在右边逼住黑小飞。",
         {}},
        {"a seal placed by other stones: no distance check",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . O . .\n"
         ". . . . X . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n",
         "O15",
         kBlack,
         "黑飞封。",
         {}},
    };
    return cases;
}

TEST(TermCheckTest, ClearContradictionsAndNothingElse)
{
    for (const TermCase& c : termCases()) {
        const std::optional<Point> move = coordinates::parseBoardName(c.move);
        ASSERT_TRUE(move.has_value()) << c.name;
        const Stones before = upperRight(c.diagram);
        ASSERT_EQ(before[static_cast<std::size_t>(pointIndex(*move))], kEmpty) << c.name;
        const std::optional<LeadClause> clause = LeadClause::of(c.comment, c.colour);
        ASSERT_TRUE(clause.has_value()) << c.name;
        EXPECT_EQ(terms::contradictions(*clause, shape::classify(before, *move, c.colour)), c.findings) << c.name;
    }
}

} // namespace
} // namespace joseki::pack

// The shape classifier: small positions in the top-left corner (row 0 is the
// top edge, col 0 the left edge), the move given as (col,row), and the terms
// it must and must not admit.
#include "tools/joseki-pack/MoveShape.h"

#include "core/BoardDiagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace joseki::pack {
namespace {

using T = ShapeTerm;

struct ShapeCase {
    const char* name;
    const char* diagram;
    Point move;
    std::int8_t colour;
    std::vector<ShapeTerm> admitted;
    std::vector<ShapeTerm> excluded;
};

const std::vector<ShapeCase>& shapeCases()
{
    static const std::vector<ShapeCase> cases = {
        {"hane round the head of a contact",
         ". . . . .\n"
         ". . . . .\n"
         ". . O . .\n"
         ". . X . .\n",
         {3, 2},
         kBlack,
         {T::Hane, T::Attach},
         {T::Extend, T::Knight, T::Jump, T::Undercut, T::Cap}},
        {"solid extension from a stone in contact",
         ". . . . .\n"
         ". . . . .\n"
         ". . O X .\n"
         ". . . . .\n",
         {3, 3},
         kBlack,
         {T::Extend, T::Retreat},
         {T::Hane, T::Knight, T::Jump, T::Attach, T::Undercut, T::Bump}},
        {"knight's move",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . X . . .\n",
         {5, 2},
         kBlack,
         {T::Knight},
         {T::Jump, T::LargeKnight, T::Diagonal, T::Extend, T::Attach, T::Undercut}},
        {"knight's distance but touching: no 飞",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . X . O .\n",
         {5, 2},
         kBlack,
         {T::Attach, T::Undercut, T::Bump},
         {T::Knight, T::Jump, T::Press}},
        {"one-space jump",
         ". . . . .\n"
         ". . . . .\n"
         ". . . . .\n"
         ". . . X .\n"
         ". . . . .\n"
         ". . . . .\n",
         {3, 5},
         kBlack,
         {T::Jump},
         {T::Knight, T::Diagonal, T::Extend, T::Attach}},
        {"large knight's move",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . X . . . .\n",
         {6, 2},
         kBlack,
         {T::LargeKnight},
         {T::Knight, T::Jump, T::Diagonal}},
        {"diagonal move",
         ". . . . .\n"
         ". . . . .\n"
         ". . . . .\n"
         ". . . X .\n",
         {4, 2},
         kBlack,
         {T::Diagonal},
         {T::Knight, T::Jump, T::Extend, T::Attach, T::Hane}},
        {"invasion at the 3-3 point under a 4-4 stone",
         ". . . . .\n"
         ". . . . .\n"
         ". . . . .\n"
         ". . . X .\n",
         {2, 2},
         kWhite,
         {T::Placement},
         {T::Attach, T::Undercut, T::Bump, T::Knight, T::ShoulderHit}},
        {"shoulder hit on a 3-3 stone",
         ". . . . .\n"
         ". . . . .\n"
         ". . O . .\n"
         ". . . . .\n",
         {3, 3},
         kBlack,
         {T::ShoulderHit},
         {T::Attach, T::Bump, T::Push, T::Undercut}},
        {"cap one point above a third-line stone",
         ". . . . . .\n"
         ". . . . . .\n"
         ". . . O . .\n"
         ". . . . . .\n"
         ". . . . . .\n",
         {3, 4},
         kBlack,
         {T::Cap},
         {T::Attach, T::Jump, T::Press, T::ShoulderHit}},
        {"no cap beside a 3-3 stone: it is near two edges",
         ". . . . . .\n"
         ". . . . . .\n"
         ". . O . . .\n"
         ". . . . . .\n",
         {4, 2},
         kBlack,
         {},
         {T::Cap, T::Attach}},
        {"diagonal toward the edge is no shoulder hit",
         ". . . . .\n"
         ". . . . .\n"
         ". . O . .\n"
         ". . . . .\n",
         {1, 3},
         kBlack,
         {},
         {T::ShoulderHit, T::Attach}},
        {"capture of a stone",
         ". X O .\n"
         "X O . O\n"
         ". X O .\n",
         {2, 1},
         kBlack,
         {T::Capture},
         {T::Extension}},
        {"atari that captures nothing",
         ". O . .\n"
         ". X . .\n",
         {2, 0},
         kBlack,
         {T::Atari, T::Hane},
         {T::Capture}},
        {"cut between diagonal stones",
         ". . . .\n"
         ". O . .\n"
         ". . O .\n"
         ". . . .\n",
         {2, 1},
         kBlack,
         {T::Cut, T::Squeeze},
         {T::Knight, T::Extend}},
        {"no cut where the diagonal is solidly joined",
         ". . . .\n"
         ". O . .\n"
         ". O O .\n"
         ". . . .\n",
         {2, 1},
         kBlack,
         {T::Squeeze},
         {T::Cut}},
        {"descent toward the edge",
         ". . . . .\n"
         ". . X O .\n"
         ". . . . .\n",
         {2, 0},
         kBlack,
         {T::Descend, T::Extend},
         {T::Hane, T::Undercut, T::Attach}},
        {"crawl along the second line under opponent stones",
         ". . . . . .\n"
         ". X X . . .\n"
         ". O O O . .\n"
         ". . . . . .\n",
         {3, 1},
         kBlack,
         {T::Crawl, T::Extend},
         {T::Hane, T::Press, T::Knight}},
        {"press from above on a third-line stone",
         ". . . . . .\n"
         ". . . . . .\n"
         ". . . O . .\n"
         ". . . . . .\n",
         {3, 3},
         kBlack,
         {T::Press, T::Attach, T::Bump},
         {T::Undercut, T::Cap, T::ShoulderHit}},
        {"attachment below a fourth-line stone",
         ". . . . . .\n"
         ". . . . . .\n"
         ". . . . . .\n"
         ". . . O . .\n",
         {3, 2},
         kBlack,
         {T::Undercut, T::Attach, T::Bump},
         {T::Press, T::Extend, T::Knight}},
        {"connection at a cutting point",
         ". . . .\n"
         ". X O .\n"
         ". . X .\n"
         ". . . .\n",
         {1, 2},
         kBlack,
         {T::Connect, T::Extend},
         {T::Attach, T::Knight}},
        {"tiger's mouth",
         ". . . . .\n"
         ". X . X .\n"
         ". . . . .\n",
         {2, 2},
         kBlack,
         {T::TigerMouth, T::Diagonal},
         {T::Extend, T::Attach, T::Connect}},
        {"head-on butt from an own stone",
         ". . . . . .\n"
         ". . . . . .\n"
         ". . X . O .\n"
         ". . . . . .\n",
         {3, 2},
         kBlack,
         {T::Butt, T::Extend, T::Push},
         {T::Hane, T::Undercut}},
        {"diagonal butt against an approach stone",
         ". . . . . .\n"
         ". . . . . .\n"
         ". . . . . .\n"
         ". . . X . .\n"
         ". . . . . .\n"
         ". . O . . .\n",
         {2, 4},
         kBlack,
         {T::Butt, T::Diagonal},
         {T::Hane, T::Knight}},
        {"extension along the side",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . X . . . . .\n"
         ". . . . . . . .\n",
         {5, 2},
         kBlack,
         {T::Extension},
         {T::Knight, T::Jump, T::Diagonal, T::Pincer}},
        {"pincer of an approach stone",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . O . . . . .\n"
         ". . . . . . . .\n",
         {5, 2},
         kBlack,
         {T::Pincer},
         {T::Extension, T::Knight, T::Attach}},
        {"knight's approach to a corner stone",
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . . . . .\n"
         ". . . O . . .\n",
         {5, 2},
         kBlack,
         {T::Approach},
         {T::Knight, T::Attach, T::Extension}},
    };
    return cases;
}

TEST(MoveShapeTest, TermsEachMoveMayAndMayNotCarry)
{
    for (const ShapeCase& c : shapeCases()) {
        const MoveShape shape = shape::classify(diagram::parse(c.diagram), c.move, c.colour);
        for (const ShapeTerm term : c.admitted)
            EXPECT_TRUE(shape.terms.contains(term)) << c.name << ": must admit " << termText(term);
        for (const ShapeTerm term : c.excluded)
            EXPECT_FALSE(shape.terms.contains(term)) << c.name << ": must not admit " << termText(term);
    }
}

TEST(MoveShapeTest, ContactsOwnRelationsCapturesAndAtaris)
{
    // White's hane-like approach and black's answer below it.
    const Stones before = diagram::parse(". . . . .\n"
                                         ". . . O .\n"
                                         ". . X . .\n"
                                         ". X . . .\n");
    const MoveShape shape = shape::classify(before, {3, 2}, kBlack);
    EXPECT_EQ(shape.contacts, (std::vector<Point>{{3, 1}}));
    EXPECT_EQ(shape.ownAdjacent, (std::vector<Point>{{2, 2}}));
    EXPECT_EQ(shape.ownDiagonal, (std::vector<Point>{}));
    EXPECT_EQ(shape.ownKnight, (std::vector<Point>{{1, 3}}));
    EXPECT_FALSE(shape.hane);
    EXPECT_EQ(shape.captures, 0);
    EXPECT_EQ(shape.ataris, 0);

    const MoveShape capture = shape::classify(diagram::parse(". X O .\n"
                                                             "X O . O\n"
                                                             ". X O .\n"),
                                              {2, 1}, kBlack);
    EXPECT_EQ(capture.captures, 1);
    EXPECT_EQ(capture.ataris, 1); // the white stone on the edge is left with one liberty

    const MoveShape atari = shape::classify(diagram::parse(". O . .\n"
                                                           ". X . .\n"),
                                            {2, 0}, kBlack);
    EXPECT_EQ(atari.captures, 0);
    EXPECT_EQ(atari.ataris, 1);
    EXPECT_TRUE(atari.hane);
}

TEST(MoveShapeTest, LinesAndSides)
{
    struct SideCase {
        Point move;
        int top;
        int right;
        const char* side;
        bool offTop;   // clearly not 上边
        bool offRight; // clearly not 右边
    };
    const SideCase cases[] = {
        {{15, 3}, 4, 4, "角上", false, false},  // Q16, the star point
        {{16, 3}, 4, 3, "角上", false, false},  // R16
        {{13, 2}, 3, 6, "上边", false, false},  // O17
        {{16, 5}, 6, 3, "右边", false, false},  // R14: three lines apart, not clearly off the top
        {{16, 7}, 8, 3, "右边", true, false},   // R12
        {{11, 1}, 2, 8, "上边", false, true},   // M18
        {{9, 9}, 10, 10, "中腹", false, false}, // the centre point
    };
    for (const SideCase& c : cases) {
        const MoveShape shape = shape::classify(Stones{}, c.move, kBlack);
        EXPECT_EQ(shape.lineFrom(Edge::Top), c.top) << c.side;
        EXPECT_EQ(shape.lineFrom(Edge::Right), c.right) << c.side;
        EXPECT_EQ(shape.line(), std::min(c.top, c.right)) << c.side;
        EXPECT_EQ(shape::sideName(shape), std::string(c.side)) << c.move.col << "," << c.move.row;
        EXPECT_EQ(shape::clearlyOffSide(shape, Edge::Top), c.offTop) << c.side;
        EXPECT_EQ(shape::clearlyOffSide(shape, Edge::Right), c.offRight) << c.side;
    }
}

} // namespace
} // namespace joseki::pack

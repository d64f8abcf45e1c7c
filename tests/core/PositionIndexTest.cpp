// The position index of the whole book: transpositions, the 16 orientations,
// continuations turned into the caller's board, verdict tallies, tenuki,
// captures, and positions the book does not hold.
#include "core/PositionIndex.h"

#include "core/BoardDiagram.h"
#include "core/Coordinates.h"
#include "core/JosekiEngine.h"
#include "core/Symmetry.h"
#include "library/LibraryLoader.h"
#include "tests/support/BookPaths.h"
#include "tests/support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace joseki {
namespace {

// Lines in the upper-left corner, so the diagrams below show them:
//
//   root
//   ├ B dd (D16)
//   │ ├ W cf (C14)
//   │ │ ├ B fc ── W ch                  【定式】
//   │ │ └ B ci ── W tenuki ── B cc      【变化】
//   │ └ W cc 【骗着】 ── B dc ── W cd ── B de ── W bd   【骗着】
//   ├ B fc ── W cf ── B dd ── W ch      【定式】  (the first line in another order)
//   ├ B sb ── W sa ─┬ B ra (takes T19) ── W rb   【失着】
//   │               └ B rc              (no verdict)
//   └ ;  (a node without a move) ── B dd
const char* const kBook = "(;C[root]"
                          "(;B[dd]C[star]"
                          "(;W[cf]C[approach]"
                          "(;B[fc]C[corner enclosure];W[ch]C[extension【定式】])"
                          "(;B[ci]C[pincer];W[tt]C[white tenuki];B[cc]C[takes the corner【变化】]))"
                          "(;W[cc]C[【骗着】invasion];B[dc];W[cd];B[de];W[bd]C[lives small【骗着】]))"
                          "(;B[fc];W[cf];B[dd]C[transposed];W[ch]C[same shape【定式】])"
                          "(;B[sb];W[sa](;B[ra]C[captures];W[rb]C[too slow【失着】])(;B[rc]C[no verdict]))"
                          "(;;B[dd]C[after an empty node]))";

// The library read into an engine, and its index.
struct IndexedBook {
    explicit IndexedBook(const char* text)
    {
        loadLibraryText(engine, text);
        index.build(engine.root);
    }

    // The node reached from the root by the moves named in SGF letters ("" for a node without a move).
    const VariationNode* at(std::initializer_list<const char*> moves) const { return test::nodeAt(engine.root, moves); }

    test::RecordingMessageService messages;
    JosekiEngine engine{messages};
    PositionIndex index;
};

PositionKey keyOf(const char* diagram, std::int8_t toMove) { return PositionKey::of(diagram::parse(diagram), toMove); }

std::vector<const VariationNode*> nodesOf(const std::vector<BookPlace>& places)
{
    std::vector<const VariationNode*> nodes;
    for (const BookPlace& place : places)
        nodes.push_back(place.node);
    return nodes;
}

// The book's first move, D16, seen in the upper-left corner.
const char* const kStar = ". . . . .\n"
                          ". . . . .\n"
                          ". . . . .\n"
                          ". . . X .\n";

Point named(const char* boardName) { return *coordinates::parseBoardName(boardName); }

// Stones on points named as the board names them, for corners a diagram does not show.
Stones stonesAt(std::initializer_list<std::pair<const char*, std::int8_t>> stones)
{
    Stones board{};
    for (const auto& [name, colour] : stones)
        board[static_cast<std::size_t>(pointIndex(named(name)))] = colour;
    return board;
}

// Every place is the book node whose position, turned by its orientation, is the query.
void expectPlacesMatch(const std::vector<BookPlace>& places, const Stones& stones, std::int8_t toMove)
{
    for (const BookPlace& place : places) {
        const std::optional<Stones> own = PositionIndex::stonesAfter(*place.node);
        ASSERT_TRUE(own.has_value());
        EXPECT_EQ(turnStones(*own, place.orientation), stones) << diagram::print(stones, 6, 6);
        EXPECT_EQ(turnColour(PositionIndex::sideToMoveAfter(*place.node), place.orientation), toMove);
    }
}

TEST(PositionIndexTest, EveryNodeIsIndexed)
{
    const IndexedBook book(kBook);
    // 24 nodes with the root; none is left out.
    EXPECT_EQ(book.index.size(), 24u);
    EXPECT_TRUE(book.messages.boxes.empty());
}

TEST(PositionIndexTest, TwoMoveOrdersReachOnePosition)
{
    const IndexedBook book(kBook);
    const char* const shape = ". . . . . .\n"
                              ". . . . . .\n"
                              ". . . . . X\n"
                              ". . . X . .\n"
                              ". . . . . .\n"
                              ". . O . . .\n";
    const std::vector<BookPlace> places = book.index.lookUp(keyOf(shape, kWhite));
    EXPECT_EQ(nodesOf(places),
              (std::vector<const VariationNode*>{book.at({"dd", "cf", "fc"}), book.at({"fc", "cf", "dd"})}));
    expectPlacesMatch(places, diagram::parse(shape), kWhite);
    for (const BookPlace& place : places) {
        EXPECT_EQ(place.orientation, Orientation{});
        ASSERT_EQ(place.continuations.size(), 1u);
        EXPECT_EQ(place.continuations[0].move, named("C12"));
        EXPECT_EQ(place.continuations[0].colour, kWhite);
    }
    // The same stones with the other side to move stand nowhere.
    EXPECT_TRUE(book.index.lookUp(keyOf(shape, kBlack)).empty());
}

TEST(PositionIndexTest, EveryOrientationFindsTheSameNode)
{
    const IndexedBook book(kBook);
    const VariationNode* node = book.at({"dd", "cc", "dc", "cd"});
    const Stones own = *PositionIndex::stonesAfter(*node);
    ASSERT_EQ(PositionIndex::symmetriesOf(PositionKey::of(own, kBlack)), std::vector<int>{symmetry::kIdentity});
    for (int s = 0; s < symmetry::kCount; ++s) {
        for (const bool swapped : {false, true}) {
            const Orientation orientation{s, swapped};
            const Stones seen = turnStones(own, orientation);
            const std::int8_t toMove = turnColour(kBlack, orientation);
            const std::vector<BookPlace> places = book.index.lookUp(PositionKey::of(seen, toMove));
            SCOPED_TRACE(diagram::print(seen));
            ASSERT_EQ(nodesOf(places), std::vector<const VariationNode*>{node});
            EXPECT_EQ(places[0].orientation, orientation);
            expectPlacesMatch(places, seen, toMove);
            // The continuation B de (D15) turned with the board and the colours.
            ASSERT_EQ(places[0].continuations.size(), 1u);
            EXPECT_EQ(places[0].continuations[0].move, symmetry::transform(named("D15"), s));
            EXPECT_EQ(places[0].continuations[0].colour, toMove);
        }
    }
}

TEST(PositionIndexTest, ContinuationsComeIntoTheCallersCorner)
{
    const IndexedBook book(kBook);
    // The star point and the approach in the lower-right corner, with colours
    // exchanged: white stands on the star point, black approaches.
    const Stones seen = stonesAt({{"Q4", kWhite}, {"R6", kBlack}});
    const std::vector<BookPlace> places = book.index.lookUp(PositionKey::of(seen, kWhite));
    ASSERT_EQ(nodesOf(places), std::vector<const VariationNode*>{book.at({"dd", "cf"})});
    expectPlacesMatch(places, seen, kWhite);

    struct Expected {
        const char* move;
        const VariationNode* node;
    };
    // B F17 and B C11 of the book are white's enclosure and pincer here.
    const Expected expected[] = {{"O3", book.at({"dd", "cf", "fc"})}, {"R9", book.at({"dd", "cf", "ci"})}};
    ASSERT_EQ(places[0].continuations.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(places[0].continuations[i].move, named(expected[i].move)) << expected[i].move;
        EXPECT_EQ(places[0].continuations[i].colour, kWhite);
        EXPECT_EQ(places[0].continuations[i].node, expected[i].node);
    }
}

TEST(PositionIndexTest, PositionsInNoBook)
{
    const IndexedBook book(kBook);
    struct Case {
        const char* diagram;
        std::int8_t toMove;
    };
    const Case cases[] = {
        {kStar, kBlack},                                          // the book's first move with black to move again
        {". . . . .\n. . . . .\n. . . . .\n. . . . X\n", kWhite}, // a first move the book does not play
        {". . . . .\n. . . . .\n. . . . .\n. . . X .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n. . O . .\n",
         kBlack}, // the pincer's point taken by white
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(book.index.lookUp(keyOf(c.diagram, c.toMove)).empty()) << c.diagram;
        EXPECT_FALSE(book.index.contains(keyOf(c.diagram, c.toMove))) << c.diagram;
    }
    EXPECT_TRUE(book.index.contains(keyOf(kStar, kWhite)));

    PositionIndex empty;
    empty.build(nullptr);
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_TRUE(empty.lookUp(PositionKey{}).empty());
}

TEST(PositionIndexTest, VerdictsOfTheLeavesBelowEachContinuation)
{
    const IndexedBook book(kBook);
    const auto tally = [](std::initializer_list<std::pair<BookVerdict, std::uint32_t>> counts) {
        VerdictTally t;
        for (const auto& [verdict, count] : counts)
            t.leaves[bookVerdict::slotOf(verdict)] = count;
        return t;
    };
    const std::vector<BookPlace> places = book.index.lookUp(keyOf(kStar, kWhite));
    ASSERT_EQ(nodesOf(places), (std::vector<const VariationNode*>{book.at({"dd"}), book.at({"", "dd"})}));
    ASSERT_EQ(places[0].continuations.size(), 2u);
    EXPECT_EQ(places[0].continuations[0].verdicts, tally({{BookVerdict::Joseki, 1}, {BookVerdict::Variation, 1}}));
    EXPECT_EQ(places[0].continuations[1].verdicts, tally({{BookVerdict::Trick, 1}}));
    // The node after an empty node is a leaf without a verdict.
    EXPECT_TRUE(places[1].continuations.empty());
    EXPECT_EQ(book.index.verdictsBelow(*places[1].node), tally({{BookVerdict::None, 1}}));

    EXPECT_EQ(book.index.verdictsBelow(*book.engine.root), tally({{BookVerdict::Joseki, 2},
                                                                  {BookVerdict::Variation, 1},
                                                                  {BookVerdict::Trick, 1},
                                                                  {BookVerdict::Mistake, 1},
                                                                  {BookVerdict::None, 2}}));
    EXPECT_EQ(book.index.verdictsBelow(*book.engine.root).total(), 7u);
}

TEST(PositionIndexTest, TenukiIsAPositionWithTheOtherSideToMove)
{
    const IndexedBook book(kBook);
    const char* const pincer = ". . . . . .\n"
                               ". . . . . .\n"
                               ". . . . . .\n"
                               ". . . X . .\n"
                               ". . . . . .\n"
                               ". . O . . .\n"
                               ". . . . . .\n"
                               ". . . . . .\n"
                               ". . X . . .\n";
    const VariationNode* pincerNode = book.at({"dd", "cf", "ci"});
    const VariationNode* tenuki = book.at({"dd", "cf", "ci", "tt"});
    EXPECT_EQ(nodesOf(book.index.lookUp(keyOf(pincer, kWhite))), std::vector<const VariationNode*>{pincerNode});
    const std::vector<BookPlace> afterTenuki = book.index.lookUp(keyOf(pincer, kBlack));
    ASSERT_EQ(nodesOf(afterTenuki), std::vector<const VariationNode*>{tenuki});
    EXPECT_EQ(PositionIndex::sideToMoveAfter(*tenuki), kBlack);

    // The tenuki is a continuation of the pincer without a point.
    const std::vector<BookPlace> atPincer = book.index.lookUp(keyOf(pincer, kWhite));
    ASSERT_EQ(atPincer[0].continuations.size(), 1u);
    EXPECT_EQ(atPincer[0].continuations[0].move, kNoMovePoint);
    EXPECT_EQ(atPincer[0].continuations[0].colour, kWhite);
}

TEST(PositionIndexTest, CapturesAreTakenAndPutBackForTheNextLine)
{
    const IndexedBook book(kBook);
    // After B S19 the white stone on T19 is gone; the sibling line B S17 still has it.
    const Stones taken = stonesAt({{"S19", kBlack}, {"T18", kBlack}});
    const Stones kept = stonesAt({{"T19", kWhite}, {"T18", kBlack}, {"S17", kBlack}});
    EXPECT_EQ(nodesOf(book.index.lookUp(PositionKey::of(taken, kWhite))),
              std::vector<const VariationNode*>{book.at({"sb", "sa", "ra"})});
    EXPECT_EQ(nodesOf(book.index.lookUp(PositionKey::of(kept, kWhite))),
              std::vector<const VariationNode*>{book.at({"sb", "sa", "rc"})});
    // And the empty node's line starts again from the empty board.
    EXPECT_EQ(nodesOf(book.index.lookUp(PositionKey{})),
              (std::vector<const VariationNode*>{book.engine.root, book.at({""})}));
}

TEST(PositionIndexTest, SymmetricPositionsNameTheirOwnSymmetries)
{
    // The star point on the diagonal is its own mirror across it.
    const PositionKey star = keyOf(kStar, kWhite);
    EXPECT_EQ(PositionIndex::symmetriesOf(star), (std::vector<int>{symmetry::kIdentity, symmetry::kTranspose}));
    EXPECT_EQ(PositionIndex::symmetriesOf(PositionKey{}).size(), static_cast<std::size_t>(symmetry::kCount));
}

TEST(PositionIndexTest, NodesTheBookBoardCannotShowStayOut)
{
    IndexedBook book(kBook);
    // A colour letter that is no stone colour stops the book board: the node and its line go.
    VariationNode* pincer = book.engine.root->firstChild->firstChild->firstChild->nextSibling;
    ASSERT_EQ(coordinates::sgfName(Point{pincer->col, pincer->row}), "ci");
    pincer->color = 'X';
    book.index.build(book.engine.root);
    EXPECT_EQ(book.index.size(), 21u);
    EXPECT_FALSE(PositionIndex::stonesAfter(*pincer).has_value());
    EXPECT_FALSE(book.index.placeOf(*pincer, Orientation{}).has_value());
    const std::optional<BookPlace> approach = book.index.placeOf(*book.at({"dd", "cf"}), Orientation{});
    ASSERT_TRUE(approach.has_value());
    ASSERT_EQ(approach->continuations.size(), 1u);
    EXPECT_EQ(approach->continuations[0].node, book.at({"dd", "cf", "fc"}));
}

TEST(PositionIndexTest, DeepAndWideTreesNeedNoDeepStack)
{
    // The root, then 100,000 levels of two children each: the next level (or the last leaf), then a leaf.
    constexpr int kLevels = 100000;
    std::string text;
    for (int i = 0; i < kLevels; ++i)
        text += "(;";
    text += "(;)";
    for (int i = 0; i < kLevels; ++i)
        text += "(;))";
    const IndexedBook book(text.c_str());
    ASSERT_TRUE(book.engine.isLoaded());
    EXPECT_EQ(book.index.size(), 2u * kLevels + 1u);
    // Every node stands on the empty board with black to move.
    EXPECT_EQ(book.index.lookUp(PositionKey{}).size(), book.index.size());
}

} // namespace
} // namespace joseki

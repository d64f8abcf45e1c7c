// Practice of a line: each kind of answer to the student's move, the end
// report, the program's seeded and weighted choice, transpositions and the
// sixteen orientations of random practice.
#include "ui/controller/PracticeSession.h"

#include "core/BoardDiagram.h"
#include "core/Coordinates.h"
#include "core/Symmetry.h"
#include "tests/controller/BookFixture.h"
#include "ui/controller/PracticeMemory.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace joseki::test {
namespace {

constexpr std::uint32_t kSeed = 20240501;
// Starts of practice that show the program's choice, and how far its share may stray.
constexpr int kDraws = 3000;
constexpr double kShareTolerance = 0.04;

Point named(const char* name) { return *coordinates::parseBoardName(name); }

const char* const kReportTail = "单击棋盘练习下一个变化，按Esc结束练习。";

class PracticeSessionTest : public ::testing::Test {
protected:
    // Starts practice at the end of a line of moves (SGF letters), unturned.
    void startAt(std::initializer_list<const char*> line, std::int8_t student)
    {
        ASSERT_TRUE(session.start(PracticeSetup{book.at(line), Orientation{}, student, false}));
    }

    IndexedPracticeBook book;
    PracticeMemory memory;
    std::mt19937 random{kSeed};
    PracticeSession session{book.index, memory, random};
};

TEST_F(PracticeSessionTest, AForcedLineToItsEndWithTheReport)
{
    startAt({"dd", "cc"}, kBlack);
    EXPECT_TRUE(session.active());
    EXPECT_EQ(session.comment(), "练习本变化：您执黑。\r\n轮到您下。");

    EXPECT_EQ(session.play(named("D17")), PracticeAnswer::Played);
    EXPECT_EQ(session.comment(), "您：黑D17。\r\n对方：白C16。\r\n轮到您下。");
    EXPECT_EQ(session.node(), book.at({"dd", "cc", "dc", "cd"}));

    EXPECT_EQ(session.play(named("D15")), PracticeAnswer::Finished);
    EXPECT_TRUE(session.finished());
    EXPECT_EQ(session.lineVerdict(), BookVerdict::Trick);
    EXPECT_EQ(session.foundAtFirstTry(), 2);
    EXPECT_EQ(session.misses(), 0);
    EXPECT_EQ(session.comment(), std::string("您：黑D15。\r\n白被封锁。【骗着】\r\n"
                                             "练习结束：一次找到2手，错0次，本变化的结论：骗着。\r\n") +
                                     kReportTail);
    // The book's stones, the moves of practice numbered from 1.
    EXPECT_EQ(diagram::print(session.board().board, 5, 5), diagram::print(diagram::parse(". . . . .\n"
                                                                                         ". . . . .\n"
                                                                                         ". . O X .\n"
                                                                                         ". . O X .\n"
                                                                                         ". . . X .\n"),
                                                                          5, 5));
    EXPECT_EQ(session.board().moveNumbers[static_cast<std::size_t>(pointIndex(named("D17")))], 1);
    EXPECT_EQ(session.board().moveNumbers[static_cast<std::size_t>(pointIndex(named("C16")))], 2);
    EXPECT_EQ(session.board().moveNumbers[static_cast<std::size_t>(pointIndex(named("D15")))], 3);
    EXPECT_EQ(session.board().moveNumbers[static_cast<std::size_t>(pointIndex(named("D16")))], 0);

    // Nothing more is taken once the line has ended.
    EXPECT_EQ(session.play(named("E15")), PracticeAnswer::Ignored);
}

TEST_F(PracticeSessionTest, ATrickIsExplainedAndTheProgramRefutesIt)
{
    startAt({"dd"}, kWhite);
    EXPECT_EQ(session.play(named("C17")), PracticeAnswer::TrickPlayed);
    EXPECT_EQ(session.comment(),
              "您：白C17。\r\n【骗着】白直接点三三。\r\n对方：黑D17。\r\n黑挡，正确。\r\n轮到您下。");
    EXPECT_EQ(session.node(), book.at({"dd", "cc", "dc"}));
}

TEST_F(PracticeSessionTest, MovesTheBookDoesNotKnowAreRefusedAndTheThirdMissShowsTheBook)
{
    startAt({"dd", "cc"}, kBlack);
    struct Miss {
        Point move;
        PracticeAnswer answer;
        const char* note;
    };
    const Miss misses[] = {
        {named("R3"), PracticeAnswer::Refused, "黑R3不在定式库中。此处已错1次，请再试。"},
        {named("D16"), PracticeAnswer::Refused, "黑D16不在定式库中。此处已错2次，请再试。"}, // occupied
        {kNoMovePoint, PracticeAnswer::BookMovesShown,
         "黑脱先不在定式库中。此处已错3次，定式库的下法已在棋盘上标出：黑D17（骗着1条）"},
    };
    for (const Miss& miss : misses) {
        EXPECT_EQ(session.play(miss.move), miss.answer) << miss.note;
        EXPECT_EQ(session.comment(), std::string("练习本变化：您执黑。\r\n") + miss.note);
    }
    EXPECT_EQ(session.shownMoves(), std::vector<Point>{named("D17")});
    EXPECT_EQ(session.board().board[static_cast<std::size_t>(pointIndex(named("R3")))], kEmpty);

    EXPECT_EQ(session.play(named("D17")), PracticeAnswer::Played);
    EXPECT_TRUE(session.shownMoves().empty());
    EXPECT_EQ(session.foundAtFirstTry(), 0);
    EXPECT_EQ(session.misses(), 3);
    // The misses stay for this run, at the position and everywhere above it.
    EXPECT_EQ(memory.missesBelow(*book.at({"dd", "cc"})), 3);
    EXPECT_EQ(memory.missesBelow(*book.engine.root), 3);
    EXPECT_EQ(memory.missesBelow(*book.at({"dd", "cf"})), 0);
}

TEST_F(PracticeSessionTest, TheProgramPrefersJosekiLinesAndLeansTowardMisses)
{
    // After the approach the program (black) chooses: F17 leads to a 定式
    // line, C11 to a 变化 line, weighed 4 against 2.
    const VariationNode* enclosure = book.at({"dd", "cf", "fc"});
    const VariationNode* pincer = book.at({"dd", "cf", "ci"});
    const auto shareOfPincer = [&] {
        int pincers = 0;
        for (int i = 0; i < kDraws; ++i) {
            startAt({"dd", "cf"}, kWhite);
            EXPECT_TRUE(session.node() == enclosure || session.node() == pincer);
            pincers += session.node() == pincer ? 1 : 0;
        }
        return static_cast<double>(pincers) / kDraws;
    };
    EXPECT_NEAR(shareOfPincer(), 2.0 / 6.0, kShareTolerance);
    // One miss in the pincer's line triples its weight: 6 against 4.
    memory.recordMiss(*book.at({"dd", "cf", "ci", "cc"}));
    EXPECT_NEAR(shareOfPincer(), 6.0 / 10.0, kShareTolerance);
}

TEST_F(PracticeSessionTest, TheSameSeedChoosesTheSameLines)
{
    std::mt19937 again{kSeed};
    PracticeSession twin{book.index, memory, again};
    for (int i = 0; i < 20; ++i) {
        startAt({"dd", "cf"}, kWhite);
        ASSERT_TRUE(twin.start(PracticeSetup{book.at({"dd", "cf"}), Orientation{}, kWhite, false}));
        EXPECT_EQ(session.node(), twin.node());
        EXPECT_EQ(session.comment(), twin.comment());
    }
}

TEST_F(PracticeSessionTest, AnotherMoveOrderIsABookMove)
{
    // W D11 follows the enclosure only in the line played in the other order.
    startAt({"dd", "cf", "fc"}, kWhite);
    EXPECT_EQ(session.play(named("D11")), PracticeAnswer::Finished);
    EXPECT_EQ(session.node(), book.at({"fc", "cf", "dd", "di"}));
    EXPECT_EQ(session.lineVerdict(), BookVerdict::Variation);
    EXPECT_EQ(session.comment(), std::string("您：白D11。\r\n白稍薄。【变化】\r\n"
                                             "练习结束：一次找到1手，错0次，本变化的结论：变化。\r\n") +
                                     kReportTail);
}

TEST_F(PracticeSessionTest, TheSamePositionTurnedIsABookMove)
{
    // The star point is its own mirror across the diagonal: the approach from
    // the side is the book's approach turned, and practice goes on turned.
    startAt({"dd"}, kWhite);
    EXPECT_EQ(session.play(named("F17")), PracticeAnswer::Played);
    EXPECT_EQ(session.orientation(), (Orientation{symmetry::kTranspose, false}));
    const VariationNode* answered = session.node();
    ASSERT_TRUE(answered == book.at({"dd", "cf", "fc"}) || answered == book.at({"dd", "cf", "ci"}));
    const Point reply = answered == book.at({"dd", "cf", "fc"}) ? named("C14") : named("I17");
    Stones expected{};
    expected[static_cast<std::size_t>(pointIndex(named("D16")))] = kBlack;
    expected[static_cast<std::size_t>(pointIndex(named("F17")))] = kWhite;
    expected[static_cast<std::size_t>(pointIndex(reply))] = kBlack;
    EXPECT_EQ(session.board().board, expected);
}

TEST_F(PracticeSessionTest, RandomPracticeIsRecognisedInEveryOrientation)
{
    // The refutation line after the trick, in each corner, orientation and colour.
    const VariationNode* start = book.at({"dd", "cc"});
    for (int s = 0; s < symmetry::kCount; ++s) {
        for (const bool swapped : {false, true}) {
            const Orientation orientation{s, swapped};
            SCOPED_TRACE(testing::Message() << s << swapped);
            const std::int8_t student = turnColour(kBlack, orientation);
            ASSERT_TRUE(session.start(PracticeSetup{start, orientation, student, true}));
            EXPECT_EQ(session.comment(),
                      std::string("随机方向练习：您执") + (student == kBlack ? "黑" : "白") + "。\r\n轮到您下。");
            EXPECT_EQ(session.board().board, turnStones(*PositionIndex::stonesAfter(*start), orientation));
            EXPECT_EQ(session.play(symmetry::transform(named("D17"), s)), PracticeAnswer::Played);
            EXPECT_EQ(session.play(symmetry::transform(named("D15"), s)), PracticeAnswer::Finished);
            EXPECT_EQ(session.board().board,
                      turnStones(*PositionIndex::stonesAfter(*book.at({"dd", "cc", "dc", "cd", "de"})), orientation));
            EXPECT_EQ(session.foundAtFirstTry(), 2);
        }
    }
}

TEST_F(PracticeSessionTest, NoPracticeWithoutAContinuation)
{
    EXPECT_FALSE(session.start(PracticeSetup{book.at({"dd", "cf", "fc", "ch"}), Orientation{}, kBlack, false}));
    EXPECT_FALSE(session.active());
    EXPECT_FALSE(session.start(PracticeSetup{}));
    EXPECT_EQ(session.play(named("D16")), PracticeAnswer::Ignored);

    startAt({"dd", "cc"}, kBlack);
    EXPECT_EQ(session.play(Point{-1, 4}), PracticeAnswer::Ignored); // no point of the board
    session.stop();
    EXPECT_FALSE(session.active());
    EXPECT_EQ(session.play(named("D17")), PracticeAnswer::Ignored);
}

} // namespace
} // namespace joseki::test

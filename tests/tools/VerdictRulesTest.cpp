// The verdict markers: which leaf and inner comments break them, and which lines.
#include "tools/joseki-pack/VerdictRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki::pack {
namespace {

using verdicts::MarksAbove;

const std::string kLeafRule = "a leaf must end with exactly one of 【定式】 【变化】 【骗着】 【失着】";

struct CommentCase {
    const char* comment;
    bool leaf;
    std::vector<std::string> problems;
};

TEST(VerdictRulesTest, EachComment)
{
    const CommentCase cases[] = {
        {"黑脱先。黑外势坚实，白角上活得稍小，两分。【定式】", true, {}},
        {"白活得舒服，黑稍亏。【变化】 \n　", true, {}}, // blanks after the marker
        {"【失着】白二路扳过分，黑断后白崩溃。【失着】", true, {}},
        {"两分，定式。", true, {kLeafRule}},
        {"【定式】两分。", true, {kLeafRule}},               // at the start, not the end
        {"两分【变化】，可下。【定式】", true, {kLeafRule}}, // two verdicts
        {"", true, {kLeafRule}},
        {"黑扳，白退。", false, {}},
        {"【骗着】黑挖，白若打吃就上当。", false, {}},
        {"黑扳。【定式】", false, {"an inner node carries 【定式】: only leaves carry that verdict"}},
        {"白长，这是【失着】的开始。", false, {"【失着】 inside an inner comment must open it"}},
        {" 【骗着】黑挖。", false, {"【骗着】 inside an inner comment must open it"}}, // not at the very start
    };
    for (const CommentCase& c : cases)
        EXPECT_EQ(verdicts::commentProblems(c.comment, c.leaf), c.problems) << c.comment;
}

struct LineCase {
    const char* leaf;
    MarksAbove above;
    std::vector<std::string> problems;
};

TEST(VerdictRulesTest, EachLine)
{
    const LineCase cases[] = {
        {"白被吃。【骗着】", {true, false}, {}},
        {"黑崩溃。【失着】", {false, true}, {}},
        {"两分。【定式】", {}, {}},
        {"黑崩溃。【失着】",
         {true, false},
         {"a 【失着】 line without its move: no comment above this leaf opens with 【失着】"}},
        {"【骗着】黑挖，白上当。【骗着】",
         {},
         {"the 【骗着】 move ends its line: go on with the answer that punishes it"}},
        {"两分。【定式】", {true, false}, {"a 【定式】 line through a 【骗着】 move: its leaf ends with 【骗着】"}},
        {"白稍好。【变化】", {false, true}, {"a 【变化】 line through a 【失着】 move: its leaf ends with 【失着】"}},
        {"两分。", {true, false}, {}}, // no verdict: the comment rule reports it
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(verdicts::lineProblems(c.leaf, c.above), c.problems) << c.leaf;
}

TEST(VerdictRulesTest, MarkersAndBlanks)
{
    EXPECT_EQ(verdicts::endingOf("两分。【定式】\r\n"), Verdict::Joseki);
    EXPECT_EQ(verdicts::endingOf("两分。【定式】了"), Verdict::None);
    EXPECT_EQ(verdicts::openingOf("【骗着】黑挖"), Verdict::Trick);
    EXPECT_EQ(verdicts::openingOf("黑挖【骗着】"), Verdict::None);
    EXPECT_EQ(verdicts::markerOf(Verdict::Mistake), std::string("【失着】"));
    EXPECT_TRUE(verdicts::isBlank(" \r\n　"));
    EXPECT_FALSE(verdicts::isBlank(" 。"));
    // A byte run that would read as a marker only across a character boundary is none.
    const std::string shifted = std::string("\x81") + "【定式】";
    EXPECT_EQ(verdicts::endingOf(shifted), Verdict::None);
}

} // namespace
} // namespace joseki::pack

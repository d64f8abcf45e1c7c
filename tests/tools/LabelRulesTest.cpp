// Letters in a comment against the labels on the board.
#include "tools/joseki-pack/LabelRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki::pack {
namespace {

TEST(LabelRulesTest, ParsesTheReadersLabelList)
{
    std::vector<std::string> malformed;
    const std::vector<Label> parsed = labels::parse("qd:A][pc:B][x:C][tt:D", malformed);
    ASSERT_EQ(parsed.size(), 3u);
    EXPECT_EQ(parsed[0].point, (Point{16, 3}));
    EXPECT_EQ(parsed[0].text, "A");
    EXPECT_EQ(parsed[1].point, (Point{15, 2}));
    EXPECT_EQ(parsed[2].point, kNoMovePoint);
    EXPECT_EQ(malformed, (std::vector<std::string>{"x:C"}));
    EXPECT_EQ(labels::pointOf(parsed, 'B'), (Point{15, 2}));
    EXPECT_EQ(labels::pointOf(parsed, 'D'), kNoMovePoint); // off the board
    EXPECT_EQ(labels::pointOf(parsed, 'E'), kNoMovePoint);
}

TEST(LabelRulesTest, LettersStandingAlone)
{
    struct Case {
        const char* comment;
        const char* letters;
    };
    const Case cases[] = {
        {"黑A位长，B、C两点也可。", "ABC"},
        {"A 小飞挂；D直接点三三。", "AD"},
        {"按KataGo的统计，三三最多。", ""}, // inside a Latin word
        {"A2或3B都不是字母。", ""},
        {"B位扳，或B位虎。", "B"},
        {"全角的Ａ不算。", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(labels::lettersNamed(c.comment), std::string(c.letters)) << c.comment;
}

TEST(LabelRulesTest, TrailByteThatLooksLikeALetterIsNotOne)
{
    // "丂" is 0x81 0x40 and "丄" is 0x81 0x43 in GBK: a trail byte can be an ASCII capital.
    const std::string comment = "\x81\x43\x81\x41";
    EXPECT_EQ(labels::lettersNamed(comment), "");
}

struct ProblemCase {
    const char* labels;
    const char* comment;
    std::vector<std::string> problems;
};

TEST(LabelRulesTest, Problems)
{
    const ProblemCase cases[] = {
        {"qd:A][pc:B", "黑A位挡，或B位挡。", {}},
        {"", "黑扳。", {}},
        {"qd:A", "黑A位挡，或B位挡。", {"letters named without a label: B"}},
        {"qd:A][pc:B][od:C", "黑A位挡。", {"labels not named in the comment: B C"}},
        {"qd:AB", "黑挡。", {"the label at R16 is not one capital letter: AB"}},
        {"qd:A][pc:A", "黑A位挡。", {"the letter A labels two points"}},
        {"tt:A", "黑A位脱先。", {"a label off the board: tt:A"}},
        {"qdA", "黑挡。", {"a label entry that is not point:letter: qdA"}},
    };
    for (const ProblemCase& c : cases)
        EXPECT_EQ(labels::problems(c.labels, c.comment), c.problems) << c.labels << " / " << c.comment;
}

} // namespace
} // namespace joseki::pack

// The lead-term parser: which words of a comment name the node's own move.
#include "tools/joseki-pack/LeadClause.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki::pack {
namespace {

struct ClauseCase {
    const char* comment;
    std::int8_t colour;
    const char* clause; // null: the comment has no lead clause for this move
};

TEST(LeadClauseTest, TheClauseThatNamesTheMove)
{
    const ClauseCase cases[] = {
        {"白二路飞，角上基本成活。", kWhite, "白二路飞"},
        {"黑在上边挡，不让白在三路爬出。", kBlack, "黑在上边挡"},
        {"  \n黑长。", kBlack, "黑长"},
        {"【失着】白二路扳过分，黑断。", kWhite, "白二路扳过分"},
        {"【骗着】黑挖；白若打吃…", kBlack, "黑挖"},
        {"白(二路)飞", kWhite, "白"},
        {"黑脱先！", kBlack, "黑脱先"},
        {"黑长\r\n白扳", kBlack, "黑长"},
        {"白顶后黑在右边扳，白活。", kWhite, "白顶"}, // the next move is not judged
        {"白托后再点三三", kWhite, "白托后再点三三"}, // still White's own plan
        {"黑长，白扳。", kWhite, nullptr},            // leads with another move
        {"直接点三三，是现代最流行的下法。", kWhite, nullptr},
        {"黑A位长最常见", kBlack, nullptr}, // a lettered continuation, not this move
        {"白在A位扳", kWhite, nullptr},
        {"", kBlack, nullptr},
        {"【定式", kBlack, nullptr}, // an unclosed marker stays text
    };
    for (const ClauseCase& c : cases) {
        const std::optional<LeadClause> clause = LeadClause::of(c.comment, c.colour);
        if (c.clause == nullptr) {
            EXPECT_FALSE(clause.has_value()) << c.comment;
            continue;
        }
        ASSERT_TRUE(clause.has_value()) << c.comment;
        EXPECT_EQ(clause->text(), std::string(c.clause)) << c.comment;
    }
}

TEST(LeadClauseTest, LettersInsideLatinWordsAreNotLabels)
{
    const std::optional<LeadClause> clause = LeadClause::of("白按KataGo的统计飞出", kWhite);
    ASSERT_TRUE(clause.has_value());
    EXPECT_TRUE(clause->names("飞"));
}

struct NameCase {
    const char* clause;
    const char* word;
    const char* notAfter;
    const char* notBefore;
    bool names;
};

TEST(LeadClauseTest, WhichOccurrencesNameTheMove)
{
    const NameCase cases[] = {
        {"白二路飞", "飞", "", "", true},
        {"白不扳", "扳", "", "", false},               // negated
        {"白没有立即扳", "扳", "", "", true},          // the negation is not right before it
        {"白先在右边逼住黑小飞", "飞", "", "", false}, // Black's stone
        {"白逼住黑的二路飞", "飞", "", "", false},
        {"白两子向中腹飞出", "飞", "", "", true},
        {"白从黑子中间长出", "长", "", "", true},
        {"白大飞", "飞", "大", "", false},
        {"白大飞", "大飞", "", "", true},
        {"白肩冲", "冲", "肩尖", "", false},
        {"白肩冲", "肩冲", "", "", true},
        {"白提前扳", "提", "", "前出", false},
        {"白提掉一子", "提", "", "前出", true},
    };
    for (const NameCase& c : cases) {
        const std::string comment = std::string(c.clause) + "，";
        const std::optional<LeadClause> clause = LeadClause::of(comment, kWhite);
        ASSERT_TRUE(clause.has_value()) << c.clause;
        EXPECT_EQ(clause->names(c.word, c.notAfter, c.notBefore), c.names) << c.clause << " / " << c.word;
    }
}

struct LineCase {
    const char* comment;
    std::vector<int> lines;
    std::vector<Edge> placedOn;
    std::vector<Edge> sidesNamed;
};

TEST(LeadClauseTest, LinesAndSidesItGivesTheMove)
{
    const LineCase cases[] = {
        {"白在二路爬", {2}, {}, {}},
        {"白在上边二路扳", {2}, {Edge::Top}, {Edge::Top}},
        {"白不在二路爬", {}, {}, {}},   // negated
        {"白打吃二路一子", {}, {}, {}}, // another stone
        {"白扳二路的子", {}, {}, {}},
        {"白吃掉黑二路", {}, {}, {}},        // Black's line
        {"白在三路长，四路扳", {3}, {}, {}}, // the next clause is not read
        {"白不急于在上边拆边", {}, {}, {Edge::Top}},
        {"白向右边拆", {}, {}, {Edge::Right}},
        {"白在右边五路一间跳", {5}, {Edge::Right}, {Edge::Right}},
    };
    for (const LineCase& c : cases) {
        const std::optional<LeadClause> clause = LeadClause::of(c.comment, kWhite);
        ASSERT_TRUE(clause.has_value()) << c.comment;
        EXPECT_EQ(clause->lines(), c.lines) << c.comment;
        EXPECT_EQ(clause->placedOn(), c.placedOn) << c.comment;
        EXPECT_EQ(clause->sidesNamed(), c.sidesNamed) << c.comment;
    }
}

TEST(LeadClauseTest, RelativeWordsNegationAndTheLastWord)
{
    const std::optional<LeadClause> seal = LeadClause::of("黑飞封", kBlack);
    ASSERT_TRUE(seal.has_value());
    EXPECT_TRUE(seal->relative());
    EXPECT_FALSE(seal->negated());
    const std::optional<LeadClause> atari = LeadClause::of("黑在二路打，白粘", kBlack);
    ASSERT_TRUE(atari.has_value());
    EXPECT_TRUE(atari->endsWith("打"));
    EXPECT_FALSE(atari->endsWith("粘"));
    const std::optional<LeadClause> invasion = LeadClause::of("黑打入", kBlack);
    ASSERT_TRUE(invasion.has_value());
    EXPECT_FALSE(invasion->endsWith("打"));
    EXPECT_TRUE(LeadClause::of("黑不打", kBlack)->negated());
}

} // namespace
} // namespace joseki::pack

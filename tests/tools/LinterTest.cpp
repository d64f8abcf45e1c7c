// The linter on small libraries, each showing one kind of finding, with and
// without a made-up frequency tree.
#include "tools/joseki-pack/Linter.h"

#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki::pack {
namespace {

std::vector<std::string> lint(const std::string& library, const FrequencyTree* frequencies = nullptr)
{
    test::RecordingMessageService messages;
    JosekiEngine engine(messages);
    loadLibraryText(engine, library);
    EXPECT_TRUE(messages.boxes.empty()) << library;
    return Linter(engine.root, frequencies).run();
}

struct LintCase {
    const char* name;
    const char* library;
    std::vector<std::string> findings;
};

const std::vector<LintCase>& lintCases()
{
    static const std::vector<LintCase> cases = {
        {"a clean family",
         "(;C[欢迎。](;B[pd]C[黑星位。白A位小飞挂。]LB[qf:A](;W[qf]C[白在右边小飞挂。黑脱先，两分。【定式】])))",
         {}},
        {"an uncommented node, a wrong line and a leaf without verdict",
         "(;C[root](;B[pd]C[黑星位。](;W[qf];B[qh]C[黑在右边二路夹。两分。])))",
         {"B Q16 W R14: no comment", "B Q16 W R14 B R12: 二路 for a move on line 3: \"黑在右边二路夹\"",
          "B Q16 W R14 B R12: a leaf must end with exactly one of 【定式】 【变化】 【骗着】 【失着】"}},
        {"the root is checked too", "(;(;B[pd]C[黑星位。两分。【定式】]))", {"root: no comment"}},
        {"letters and labels",
         "(;C[root](;B[pd]C[黑星位。A位挂，B位点三三。]LB[qf:A][od:C](;W[qf]C[白挂。【变化】])))",
         {"B Q16: letters named without a label: B", "B Q16: labels not named in the comment: C"}},
        {"moves that cannot be played",
         "(;C[root](;B[pd]C[黑星位。](;B[qf]C[黑再下。](;W[qf]C[白下在黑子上。【变化】]))))",
         {"B Q16 B R14: colours do not alternate: B plays twice in a row",
          "B Q16 B R14 W R14: a move to an occupied point"}},
        {"a suicide",
         "(;C[root](;B[ra]C[黑。];W[tt]C[白脱先。];B[sb]C[黑。];W[sa]C[白自杀。【失着】]))",
         {"B S19 W tenuki B T18 W T19: a suicide move",
          "B S19 W tenuki B T18 W T19: a 【失着】 line without its move: no comment above this leaf opens with "
          "【失着】"}},
        {"a trick line played on to its refutation, and one that is not",
         "(;C[root](;B[pd]C[黑星位。](;W[qf]C[【骗着】白小飞挂。](;B[qh]C[黑夹，白上当。【骗着】])"
         "(;B[nc]C[黑小飞，两分。【定式】]))(;W[qc]C[【失着】白点三三。【失着】])))",
         {"B Q16 W R14 B O17: a 【定式】 line through a 【骗着】 move: its leaf ends with 【骗着】",
          "B Q16 W R17: the 【失着】 move ends its line: go on with the answer that punishes it"}},
        {"bytes that are no GBK character",
         "(;C[root](;B[pd]N[\x81]C[黑星位\xff。两分。【定式】]))",
         {"B Q16: the comment holds bytes that are no GBK character",
          "B Q16: the name holds bytes that are no GBK character"}},
        {"mirror copies below a symmetric position",
         "(;C[root](;B[pd]C[黑星位。](;W[qf]C[白挂。【定式】])(;W[nc]C[白挂。【定式】])))",
         {"B Q16: children W R14 and W O17 are mirror copies: one subtree is the diagonal reflection of the other"}},
        {"reflected moves below a position that is not symmetric are two lines",
         "(;C[root](;B[pd]C[黑星位。];W[qf]C[白挂。](;B[od]C[黑在这里。【定式】])(;B[pe]C[黑在这里。【定式】])))",
         {}},
    };
    return cases;
}

TEST(LinterTest, FindingsOfSmallLibraries)
{
    for (const LintCase& c : lintCases())
        EXPECT_EQ(lint(c.library), c.findings) << c.name;
}

// Frequencies: after the star point, R14 600 games and R17 300; after R14,
// O17 500 and R12 10 games.
const char* const kStatsTree = "(;FF[4](;B[pd]C[{\"count\": 1000}]"
                               "(;W[qf]C[{\"count\": 600}](;B[nc]C[{\"count\": 500}];W[qc]C[{\"count\": 400}])"
                               "(;B[qh]C[{\"count\": 10}]))"
                               "(;W[qc]C[{\"count\": 300}])))";

class LinterStatsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(frequencies.read(kStatsTree, error)) << error;
    }
    FrequencyTree frequencies;
};

const std::vector<LintCase>& statsCases()
{
    static const std::vector<LintCase> cases = {
        {"rare moves on 定式 lines",
         "(;C[root](;B[pd]C[黑星位。];W[qf]C[白挂。]"
         "(;B[nc]C[黑小飞。两分。【定式】])"     // 500 of 600: common
         "(;B[qh]C[黑夹。两分。【定式】])"       // 10 of 600: rare
         "(;B[qh]C[黑夹，古老的下法。【变化】])" // rare, but called 变化
         "(;B[tt]C[黑脱先。【定式】])))",        // not in the tree: 0 of 600
         {"B Q16 W R14 B R12: 【定式】 line with moves strong play rarely chooses: B R12 (10 of 600 games); a line "
          "strong play has left is 【变化】",
          "B Q16 W R14 B tenuki: 【定式】 line with moves strong play rarely chooses: B tenuki (0 of 600 games); a "
          "line strong play has left is 【变化】"}},
        {"positions, not move orders: the lines reflected, and one leaving the tree, below 50 games unjudged",
         "(;C[root](;B[pd]C[黑星位。];W[nc]C[白挂。]"
         "(;B[lc]C[黑夹。两分。【定式】])"
         "(;B[qf]C[黑小飞。];W[pc]C[白托。];B[pe]C[黑退。两分。【定式】])))",
         {"B Q16 W O17 B M17: 【定式】 line with moves strong play rarely chooses: B M17 (10 of 600 games); a line "
          "strong play has left is 【变化】",
          "B Q16 W O17 B R14 W Q17 B Q15: 【定式】 line with moves strong play rarely chooses: W Q17 (0 of 500 "
          "games); a line strong play has left is 【变化】"}},
        {"claims of the most common move: R17 (300 of 1000) is not, R14 (600) is",
         "(;C[root](;B[pd]C[黑星位。A位点三三最常见；B位挂最流行。]LB[qc:A][qf:B]"
         "(;W[qc]C[白点三三。【定式】])(;W[qf]C[白挂。【定式】])))",
         {"B Q16: 最常见 for W R17, chosen in 300 of 1000 games here, where R14 is chosen in 600"}},
    };
    return cases;
}

TEST_F(LinterStatsTest, FindingsOfTheFrequencies)
{
    for (const LintCase& c : statsCases())
        EXPECT_EQ(lint(c.library, &frequencies), c.findings) << c.name;
}

TEST_F(LinterStatsTest, WithoutTheTreeNoFrequencyFindings)
{
    const std::string library = "(;C[root](;B[pd]C[黑星位。A位点三三最常见。]LB[qc:A];W[qc]C[白点三三。【定式】]))";
    EXPECT_EQ(lint(library).size(), 0u);
    EXPECT_EQ(lint(library, &frequencies).size(), 1u);
}

} // namespace
} // namespace joseki::pack

// joseki-pack lint, describe and --help as a user runs them.
#include "tests/support/TestFiles.h"
#include "tests/tools/PackRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace joseki {
namespace {

using test::linesOf;
using test::PackRun;
using test::runPack;
using test::TempDir;
using test::utf8;
using test::writeFile;

// A GBK library: one clean line, one with a wrong term and no verdict.
const char* const kLibrary = "(;C[欢迎。](;B[pd]C[黑星位。]"
                             "(;W[qf]C[白小飞挂。黑脱先，两分。【定式】])"
                             "(;W[qc]C[白托。黑挡。])))";

const char* const kStatsTree = "(;FF[4]CA[UTF-8](;B[pd]C[{\"count\": 1000}]"
                               "(;W[qf]C[{\"count\": 700}];B[tt]C[{\"count\": 690}])(;W[qc]C[{\"count\": 300}])))";

class LintCommandTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& bytes)
    {
        writeFile(dir / name, bytes);
        return (dir / name).string();
    }
    TempDir dir;
};

TEST_F(LintCommandTest, FindingsOneALineInUtf8WithTheirPaths)
{
    const PackRun run = runPack({"lint", write("lib.sgf", kLibrary)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> expected = {
        utf8(u8"B Q16 W R17: 托 for a move that touches no opponent stone: \"白托\""),
        utf8(u8"B Q16 W R17: a leaf must end with exactly one of 【定式】 【变化】 【骗着】 【失着】"),
    };
    EXPECT_EQ(linesOf(run.out), expected);
}

TEST_F(LintCommandTest, CleanLibraryPrintsNothing)
{
    const std::string library = "(;C[欢迎。](;B[pd]C[黑星位。];W[qf]C[白小飞挂。黑脱先，两分。【定式】]))";
    const PackRun run = runPack({"lint", write("lib.sgf", library)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST_F(LintCommandTest, StatsTreeFromAFile)
{
    const std::string library = "(;C[欢迎。](;B[pd]C[黑星位。];W[qf]C[白小飞挂。];B[qh]C[黑夹。两分。【定式】]))";
    const std::string path = write("lib.sgf", library);
    EXPECT_EQ(runPack({"lint", path}).status, 0);
    const PackRun run = runPack({"lint", path, "--stats", write("stats.sgf", kStatsTree)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(linesOf(run.out),
              std::vector<std::string>{utf8(u8"B Q16 W R14 B R12: 【定式】 line with moves strong play rarely chooses: "
                                            u8"B R12 (0 of 700 games); a line strong play has left is 【变化】")});
    // The option may stand before the file too.
    EXPECT_EQ(runPack({"lint", "--stats", write("stats2.sgf", kStatsTree), path}).out, run.out);
}

TEST_F(LintCommandTest, ReaderMessagesAndUnreadableInputs)
{
    const PackRun unknown = runPack({"lint", write("lib.sgf", "(;C[欢迎。]XX[1](;B[pd]C[黑。【定式】]))")});
    EXPECT_EQ(unknown.status, 1);
    ASSERT_FALSE(unknown.out.empty());
    EXPECT_EQ(unknown.out.rfind("message: ", 0), 0u) << unknown.out;

    const PackRun missing = runPack({"lint", (dir / "none.sgf").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.sgf"), std::string::npos) << missing.err;

    const PackRun badStats = runPack({"lint", write("ok.sgf", kLibrary), "--stats", write("bad.sgf", "no tree")});
    EXPECT_EQ(badStats.status, 1);
    EXPECT_NE(badStats.err.find("bad.sgf"), std::string::npos) << badStats.err;
    EXPECT_EQ(badStats.out, "");
}

TEST_F(LintCommandTest, DescribePrintsEveryMovesShape)
{
    const PackRun run = runPack({"describe", write("lib.sgf", kLibrary)});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[0].rfind("B Q16: no contact;", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("B Q16 W R14: no contact;", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find(utf8(u8"lead clause \"白小飞挂\"")), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2].rfind("B Q16 W R17: no contact; opponent diagonal Q16 (lower left);", 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find(utf8(u8"side 角上")), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find(utf8(u8"terms 挂 点")), std::string::npos) << lines[2];
}

TEST_F(LintCommandTest, HelpListsEveryCommand)
{
    for (const char* word : {"--help", "help"}) {
        const PackRun run = runPack({word});
        EXPECT_EQ(run.status, 0) << word;
        for (const char* command : {"check", "convert", "pack", "append", "stats", "lint", "describe", "help"})
            EXPECT_NE(run.out.find(std::string("\n  ") + command), std::string::npos) << word << ": " << command;
    }
}

TEST_F(LintCommandTest, OptionsOnlyWhereTheyBelong)
{
    const std::string library = write("lib.sgf", kLibrary);
    struct Case {
        std::vector<std::string> arguments;
        const char* problem;
    };
    const Case cases[] = {
        {{"lint", library, "--tree", "2"}, "lint takes no --tree option"},
        {{"convert", library, library, "--stats", library}, "convert takes no --stats option"},
        {{"lint", library, "--stats"}, "--stats wants the path of a frequency tree"},
        {{"lint"}, "lint takes 1 operand(s), 0 given"},
        {{"describe", library, library}, "describe takes 1 operand(s), 2 given"},
        {{"help", "lint"}, "help takes no operands"},
    };
    for (const Case& c : cases) {
        const PackRun run = runPack(c.arguments);
        EXPECT_EQ(run.status, 2) << c.problem;
        EXPECT_NE(run.err.find(c.problem), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("joseki-pack lint LIB [--stats TREE.sgf]"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace joseki

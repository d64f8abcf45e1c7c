// joseki-pack convert on the files Go players have and the quirks of real
// archives. Each file is made here, converted, and read back by the
// browser's own reader.
#include "core/JosekiEngine.h"
#include "tests/support/LibraryText.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/TestFiles.h"
#include "tests/tools/PackRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace joseki {
namespace {

using test::numberAfter;
using test::PackRun;
using test::readFile;
using test::runPack;
using test::TempDir;
using test::writeFile;

// The warning lines of a run, without the one listing dropped properties.
std::vector<std::string> warnings(const PackRun& run)
{
    std::vector<std::string> found;
    for (const std::string& line : test::linesOf(run.err)) {
        const std::size_t warning = line.find(": warning: ");
        if (warning != std::string::npos && line.find("properties the reader does not know") == std::string::npos)
            found.push_back(line.substr(warning + 2));
    }
    return found;
}

// Writes `bytes` as in.sgf and converts it to out.sgf.
PackRun convert(const TempDir& dir, const std::string& bytes, const std::vector<std::string>& options = {})
{
    writeFile(dir / "in.sgf", bytes);
    std::vector<std::string> arguments = {"convert", (dir / "in.sgf").string(), (dir / "out.sgf").string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return runPack(arguments);
}

// Reads out.sgf as the browser does at start; the engine must take it without a message box.
void readBack(const TempDir& dir, JosekiEngine& engine, const test::RecordingMessageService& messages)
{
    test::loadLibraryText(engine, readFile(dir / "out.sgf"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{});
}

TEST(JosekiPackRealFiles, AGameTreeOpenedWithoutSemicolonIsReadWithAWarning)
{
    TempDir dir;
    // The parenthesis in the text before the game tree opens nothing.
    const PackRun run = convert(dir, "Game record (from an archive)\n(GM[1]FF[4]C[root]\n;B[pd]C[move])");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(numberAfter(run.out, "nodes"), 2);
    EXPECT_EQ(warnings(run), std::vector<std::string>{"warning: game tree 1 opens with \"(\" and no \";\" before "
                                                      "its first node; read as if it were there"});
    test::RecordingMessageService messages;
    JosekiEngine engine(messages);
    readBack(dir, engine, messages);
    ASSERT_TRUE(engine.isLoaded());
    EXPECT_STREQ(engine.root->comment.get(), "root");
    ASSERT_NE(engine.root->firstChild, nullptr);
    EXPECT_STREQ(engine.root->firstChild->comment.get(), "move");
}

TEST(JosekiPackRealFiles, SeveralGameTreesSayHowManyWereSkippedAndTreePicksOne)
{
    struct Case {
        std::string file;
        std::vector<std::string> options;
        long nodes;
        const char* rootComment;
        std::vector<std::string> warnings;
    };
    const std::string two = "(;C[first];B[pd])\n(;C[second];B[dd];W[pp])\n";
    const std::string brokenSecond = "(;C[first];B[pd])\n(;C[second];B[dd]";
    const std::vector<Case> cases = {
        {two, {}, 2, "first",
         {"warning: the file holds 2 game trees; converted game tree 1, skipped 1 (--tree N picks another)"}},
        {two, {"--tree", "2"}, 3, "second",
         {"warning: the file holds 2 game trees; converted game tree 2, skipped 1 (--tree N picks another)"}},
        {"(C[first])(C[second];B[dd])", {"--tree", "2"}, 2, "second",
         {"warning: game tree 2 opens with \"(\" and no \";\" before its first node; read as if it were there",
          "warning: the file holds 2 game trees; converted game tree 2, skipped 1 (--tree N picks another)"}},
        {brokenSecond, {}, 2, "first",
         {"warning: text after game tree 1 looks like a game tree but is not one, ignored (line 2: the game tree "
          "is not closed)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + (c.options.empty() ? "" : " --tree " + c.options[1]));
        TempDir dir;
        const PackRun run = convert(dir, c.file, c.options);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(numberAfter(run.out, "nodes"), c.nodes);
        EXPECT_EQ(warnings(run), c.warnings);
        test::RecordingMessageService messages;
        JosekiEngine engine(messages);
        readBack(dir, engine, messages);
        ASSERT_TRUE(engine.isLoaded());
        EXPECT_STREQ(engine.root->comment.get(), c.rootComment);
    }
}

TEST(JosekiPackRealFiles, ATreeTheFileDoesNotHoldFailsAndWritesNothing)
{
    struct Case {
        std::string file;
        std::string tree;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"(;C[first])(;C[second])", "3", "there is no game tree 3: the file holds 2"},
        {"(;C[first])\n(;C[second]", "2", "line 2: the game tree is not closed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempDir dir;
        const PackRun run = convert(dir, c.file, {"--tree", c.tree});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find((dir / "in.sgf").string() + ": " + c.problem), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.sgf"));
    }
}

} // namespace
} // namespace joseki

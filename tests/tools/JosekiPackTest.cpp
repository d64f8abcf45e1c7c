// Runs the built joseki-pack binary as a user would.
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/TestFiles.h"
#include "tests/tools/PackRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace joseki {
namespace {

namespace fs = std::filesystem;
using test::numberAfter;
using test::PackRun;
using test::readFile;
using test::runPack;
using test::TempDir;
using test::writeFile;

std::vector<std::string> linesStartingWith(const std::string& text, const std::string& prefix)
{
    std::vector<std::string> lines;
    for (const std::string& line : test::linesOf(text))
        if (line.rfind(prefix, 0) == 0)
            lines.push_back(line);
    return lines;
}

// The test is compiled with GBK narrow literals; the tool prints UTF-8.
std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::vector<fs::path> entriesOf(const fs::path& dir)
{
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(dir))
        entries.push_back(entry.path().filename());
    return entries;
}

std::vector<fs::path> corpusFiles()
{
    std::vector<fs::path> files;
    for (const fs::path& folder : {test::corpusPath(""), test::corpusPath("games")})
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".sgf")
                files.push_back(entry.path());
    return files;
}

TEST(JosekiPack, ConvertsEveryCorpusFileIntoALibraryTheBrowserReadsWithoutAMessage)
{
    if (!fs::exists(test::corpusPath("")))
        GTEST_SKIP() << "no shared corpus beside this checkout";
    const std::vector<fs::path> files = corpusFiles();
    ASSERT_GT(files.size(), 20u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        TempDir dir;
        const std::string library = (dir / "library.sgf").string();
        const PackRun converted = runPack({"convert", file.string(), library});
        ASSERT_EQ(converted.status, 0) << converted.err;
        const long nodes = numberAfter(converted.out, "nodes");
        EXPECT_GT(nodes, 0);
        EXPECT_EQ(readFile(library).find('\\'), std::string::npos);

        const PackRun checked = runPack({"check", library});
        EXPECT_EQ(linesStartingWith(checked.out, "message:"), std::vector<std::string>{});
        EXPECT_EQ(linesStartingWith(checked.out, "fatal:"), std::vector<std::string>{});

        const PackRun stats = runPack({"stats", library});
        ASSERT_EQ(stats.status, 0) << stats.err;
        EXPECT_EQ(numberAfter(stats.out, "nodes"), nodes);
        EXPECT_EQ(numberAfter(stats.out, "bytes"), numberAfter(converted.out, "bytes"));

        const std::string container = (dir / "container").string();
        const PackRun packed = runPack({"pack", library, container});
        if (numberAfter(stats.out, "bytes") > static_cast<long>(kContainerTextLength)) {
            EXPECT_NE(packed.status, 0);
            EXPECT_NE(packed.err.find("does not fit"), std::string::npos) << packed.err;
            EXPECT_FALSE(fs::exists(container));
        } else {
            ASSERT_EQ(packed.status, 0) << packed.err;
            EXPECT_EQ(fs::file_size(container), kContainerLength);
        }
    }
}

TEST(JosekiPack, ConvertResolvesEscapesAndKeepsOnlyWhatTheReaderTakes)
{
    TempDir dir;
    // Non-ASCII input is written as UTF-8 bytes: 定 E5AE9A, 甲 E7 94 B2, an emoji F09F9880.
    writeFile(dir / "in.sgf", "Text before the game tree.\n"
                              "(;FF[4]CA[UTF-8]PW[someone]GN[a\\]b]"
                              "C[a \\] bracket, a back\\\\slash, an escaped \\: colon and a soft\\\nbreak]\n"
                              ";B[pd]N[two\nlines]LB[qc:A][qd:BB][qe:\xE7\x94\xB2][zz:C]TR[pd:qe]\n"
                              "(;W[]C[empty move])\n"
                              "(;W[tt]C[\xE5\xAE\x9A emoji \xF0\x9F\x98\x80])\n"
                              "(;W[qc]))\n"
                              "(;B[aa]C[second game tree])");
    const PackRun result = runPack({"convert", (dir / "in.sgf").string(), (dir / "out.sgf").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("nodes 5"), std::string::npos) << result.out;
    EXPECT_NE(result.err.find("?"), std::string::npos) << result.err;
    EXPECT_EQ(readFile(dir / "out.sgf"),
              "(;GN[a］b]C[a ］ bracket, a back＼slash, an escaped : colon and a softbreak]\n"
              ";B[pd]N[two lines]LB[qc:A]TR[pd][pe][qd][qe]\n"
              "(;W[tt]C[empty move])\n"
              "(;W[tt]C[定 emoji ?])\n"
              "(;W[qc]))\n");
}

TEST(JosekiPack, ConvertReadsGbkAndDropsCharactersTheReaderWouldMisread)
{
    TempDir dir;
    // 0x815D and 0x815C are GBK characters whose second byte is "]" or "\".
    writeFile(dir / "in.sgf", "(;CA[GBK]C[\x81\x5D\x81\x5C\xB6\xA8\xCA\xBD])");
    const PackRun result = runPack({"convert", (dir / "in.sgf").string(), (dir / "out.sgf").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(dir / "out.sgf"), "(;C[??定式])\n");
}

TEST(JosekiPack, ConvertCutsLongValuesOnACharacterBoundary)
{
    TempDir dir;
    const std::string longComment = std::string(1023, 'x') + "\xE5\xAE\x9A"; // 1,023 bytes, then one GBK character
    writeFile(dir / "in.sgf", "(;C[" + longComment + "];C[" + std::string(1024, 'y') + "])");
    const PackRun result = runPack({"convert", (dir / "in.sgf").string(), (dir / "out.sgf").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(dir / "out.sgf"), "(;C[" + std::string(1023, 'x') + "]\n;C[" + std::string(1024, 'y') + "])\n");
}

TEST(JosekiPack, DeepNestingNeedsNoRecursion)
{
    TempDir dir;
    constexpr int kDepth = 100000; // deep enough to exhaust a call stack, small enough for a container
    std::string sgf;
    for (int i = 0; i < kDepth; ++i)
        sgf += i % 2 == 0 ? "(;B[tt]" : "(;W[tt]";
    sgf += std::string(kDepth, ')');
    writeFile(dir / "in.sgf", sgf);
    const std::string library = (dir / "out.sgf").string();
    ASSERT_EQ(runPack({"convert", (dir / "in.sgf").string(), library}).status, 0);
    const PackRun stats = runPack({"stats", library});
    EXPECT_EQ(numberAfter(stats.out, "nodes"), kDepth);
    EXPECT_EQ(numberAfter(stats.out, "depth"), kDepth - 1);
    EXPECT_EQ(runPack({"check", library}).out, "");
}

TEST(JosekiPack, CheckPrintsTheBrowsersMessagesAndTreeWarnings)
{
    TempDir dir;
    const std::string library = (dir / "lib.sgf").string();
    // A stray backslash, a coordinate out of range, a move onto a stone, the
    // same colour twice, two children at one point, a suicide in the corner.
    writeFile(library, "(;C[a\\b](;B[pd];B[pd];W[zz])(;B[qc])(;B[qc])(;B[ab];W[tt];B[ba];W[aa]))");
    const PackRun result = runPack({"check", library});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(linesStartingWith(result.out, "message:"),
              (std::vector<std::string>{utf8(u8"message: 提示转义符:\\r\\n\\b](;B[pd];B[pd];W[zz])(;B[qc])(;B[qc])"
                                             u8"(;B[ab];W[tt];B[ba];W[aa]))"),
                                        utf8(u8"message: 错误的坐标值:\\r\\nzz")}));
    const std::string warnings = result.out;
    EXPECT_NE(warnings.find("(1) B pd > B pd: a move to an occupied point"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("(1) B pd > B pd: B plays twice in a row"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("(3) B qc: a second child at the same point"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("(4) B ab > W tt > B ba > W aa: a suicide move"), std::string::npos) << warnings;
}

TEST(JosekiPack, CheckListsAThousandWarningsAndCountsTheRest)
{
    TempDir dir;
    const std::string library = (dir / "lib.sgf").string();
    std::string text = "(;";
    for (int i = 0; i < 1100; ++i)
        text += ";B[tt]";
    writeFile(library, text + ")");
    const PackRun result = runPack({"check", library});
    const std::vector<std::string> warnings = linesStartingWith(result.out, "warning:");
    ASSERT_EQ(warnings.size(), 1001u);
    EXPECT_NE(warnings.back().find("99 more problem(s) not listed"), std::string::npos) << warnings.back();
    EXPECT_NE(warnings[999].find("B tt > ... "), std::string::npos) << warnings[999];
}

TEST(JosekiPack, CheckShowsACutCharacterAsAReplacementCharacter)
{
    TempDir dir;
    const std::string library = (dir / "lib.sgf").string();
    // The excerpt from the backslash is cut at 127 bytes, inside the GBK character 定 (B6 A8).
    writeFile(library, "(;C[\\" + std::string(125, 'z') + "\xB6\xA8])");
    const PackRun result = runPack({"check", library});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(
        linesStartingWith(result.out, "message:"),
        std::vector<std::string>{utf8(u8"message: 提示转义符:\\r\\n\\") + std::string(125, 'z') + "\xEF\xBF\xBD"});
}

TEST(JosekiPack, CheckAcceptsAClearLibrary)
{
    TempDir dir;
    const std::string library = (dir / "lib.sgf").string();
    writeFile(library, "(;C[root](;B[pd];W[qc](;B[qd])(;B[pc]))(;B[qd];W[tt];B[oc]))");
    const PackRun result = runPack({"check", library});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
}

TEST(JosekiPack, StatsDescribesTheShapeOfTheTree)
{
    TempDir dir;
    const std::string library = (dir / "lib.sgf").string();
    const std::string text = "(;C[root](;B[pd];W[qc](;B[qd])(;B[pc]))(;B[qd];W[tt];B[oc])(;B[dd]))";
    writeFile(library, text);
    const PackRun result = runPack({"stats", library});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "nodes 9 leaves 4 depth 3 branches 2 maxchildren 3 bytes " + std::to_string(text.size()) + "\n");
}

TEST(JosekiPack, UsageErrorsPrintTheUsage)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"check"},
        {"stats", "a", "b"},
        {"convert", "a"},
        {"pack", "a"},
        {"append", "a", "b"},
        {"convert", "a", "b", "--tree"},
        {"convert", "a", "b", "--tree", "0"},
        {"convert", "a", "b", "--tree", "2x"},
        {"convert", "a", "--tree", "2"},
        {"check", "a", "--tree", "2"},
    };
    for (const auto& arguments : cases) {
        const PackRun result = runPack(arguments);
        EXPECT_EQ(result.status, 2) << arguments.size();
        EXPECT_NE(result.err.find("usage: joseki-pack"), std::string::npos) << result.err;
    }
}

TEST(JosekiPack, PackRefusesTextsThatCannotBeStoredAndLeavesTheOutputAlone)
{
    struct Case {
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {std::string(kContainerTextLength + 1, 'x'), "does not fit"},
        {std::string("(;C[a\0b])", 10), "zero byte"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeFile(dir / "lib.sgf", c.text);
        writeFile(dir / "out", "old");
        const PackRun result = runPack({"pack", (dir / "lib.sgf").string(), (dir / "out").string()});
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find((dir / "lib.sgf").string()), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(c.problem), std::string::npos) << result.err;
        EXPECT_EQ(readFile(dir / "out"), "old");
        EXPECT_EQ(entriesOf(dir.path()).size(), 2u);
    }
}

TEST(JosekiPack, PackWritesTheFullContainerForATextThatJustFits)
{
    TempDir dir;
    writeFile(dir / "lib.sgf", std::string(kContainerTextLength, 'x'));
    ASSERT_EQ(runPack({"pack", (dir / "lib.sgf").string(), (dir / "out").string()}).status, 0);
    const std::string container = readFile(dir / "out");
    ASSERT_EQ(container.size(), kContainerLength);
    EXPECT_EQ(container.substr(0, kMagicLength), std::string(kContainerMagic, kMagicLength));
    EXPECT_EQ(container.find('\0'), std::string::npos);
}

TEST(JosekiPack, AppendMakesAProgramWhoseLoaderReadsTheLibraryBack)
{
    TempDir dir;
    writeFile(dir / "image", std::string(5000, 'P'));
    fs::permissions(dir / "image", fs::perms::owner_all);
    writeFile(dir / "lib.sgf", "(;C[root](;B[pd];W[qc])(;B[qd]))");
    const PackRun result =
        runPack({"append", (dir / "image").string(), (dir / "lib.sgf").string(), (dir / "browser").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(fs::status(dir / "browser").permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(readFile(dir / "browser").substr(0, 5000), std::string(5000, 'P'));

    test::RecordingMessageService messages;
    JosekiEngine engine(messages);
    loadJosekiLibrary(engine, (dir / "browser").string());
    EXPECT_TRUE(messages.boxes.empty());
    ASSERT_TRUE(engine.isLoaded());
    EXPECT_STREQ(engine.root->comment, "root");
    EXPECT_EQ(engine.candidateCount, 2);

    // Appending to a program that already holds a library replaces it.
    writeFile(dir / "lib.sgf", "(;C[other])");
    ASSERT_EQ(
        runPack({"append", (dir / "browser").string(), (dir / "lib.sgf").string(), (dir / "again").string()}).status,
        0);
    EXPECT_EQ(fs::file_size(dir / "again"), fs::file_size(dir / "browser"));
    test::RecordingMessageService againMessages;
    JosekiEngine again(againMessages);
    loadJosekiLibrary(again, (dir / "again").string());
    ASSERT_TRUE(again.isLoaded());
    EXPECT_STREQ(again.root->comment, "other");
}

TEST(JosekiPack, FailuresNameTheFileAndLeaveNoOutput)
{
    struct Case {
        std::vector<std::string> arguments; // "@" stands for the temporary directory
        std::string named;
    };
    const std::vector<Case> cases = {
        {{"convert", "@/broken.sgf", "@/out"}, "@/broken.sgf"},
        {{"convert", "@/absent.sgf", "@/out"}, "@/absent.sgf"},
        {{"pack", "@/absent.sgf", "@/out"}, "@/absent.sgf"},
        {{"append", "@/absent", "@/broken.sgf", "@/out"}, "@/absent"},
        {{"check", "@/absent.sgf"}, "@/absent.sgf"},
        {{"convert", "@/broken.sgf", "@/no-such-dir/out"}, "@/broken.sgf"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeFile(dir / "broken.sgf", "(;B[pd](;W[qc]");
        const auto expand = [&](std::string text) {
            if (text.rfind("@", 0) == 0)
                text = dir.path().string() + text.substr(1);
            return text;
        };
        std::vector<std::string> arguments;
        for (const std::string& argument : c.arguments)
            arguments.push_back(expand(argument));
        const PackRun result = runPack(arguments);
        EXPECT_EQ(result.status, 1) << c.arguments[0];
        EXPECT_NE(result.err.find(expand(c.named)), std::string::npos) << result.err;
        EXPECT_EQ(entriesOf(dir.path()), std::vector<fs::path>{"broken.sgf"}) << c.arguments[0];
    }
}

} // namespace
} // namespace joseki

#include "library/LibraryLoader.h"

#include "core/JosekiEngine.h"
#include "library/TextScrambler.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki {
namespace {

using test::RecordingMessageService;
using test::TempDir;

struct Loaded {
    RecordingMessageService messages;
    JosekiEngine engine{messages};
};

void loadFile(Loaded& loaded, const std::string& path) { EXPECT_TRUE(loadJosekiLibrary(loaded.engine, path)); }

void loadImage(Loaded& loaded, const std::string& image)
{
    TempDir dir;
    test::writeFile(dir / "browser", image);
    loadFile(loaded, (dir / "browser").string());
}

void expectFatal(const Loaded& loaded, const std::string& box)
{
    EXPECT_EQ(loaded.messages.texts(), std::vector<std::string>{box});
    EXPECT_EQ(loaded.messages.exits, std::vector<int>{kFatalLibraryExitStatus});
    EXPECT_FALSE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.cursor, nullptr);
}

TEST(LibraryLoader, LoadsTheTreeWithTheCursorOnTheRoot)
{
    Loaded loaded;
    loadImage(loaded, test::programImage("(;C[root](;B[pd];W[qc])(;B[qd]))"));
    EXPECT_TRUE(loaded.messages.boxes.empty());
    EXPECT_FALSE(loaded.messages.exited());
    ASSERT_TRUE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.cursor, loaded.engine.root);
    EXPECT_STREQ(loaded.engine.root->comment, "root");
    EXPECT_EQ(loaded.engine.candidateCount, 2);
}

TEST(LibraryLoader, FileOfExactlyTheSmallestLengthPasses)
{
    Loaded exact;
    loadImage(exact, test::programImage("(;B[pd])", kMinimumExecutableLength));
    EXPECT_TRUE(exact.messages.boxes.empty());
    EXPECT_TRUE(exact.engine.isLoaded());
}

// A file the loader cannot take: one box, then the end of the process.
struct FatalCase {
    const char* name;
    bool fileExists;
    std::string image;
    std::string box;
};

std::string imageWithWrongMagic()
{
    std::string image = test::programImage("(;B[pd])");
    image[image.size() - kContainerLength + 4] = 'X';
    return image;
}

TEST(LibraryLoader, FilesThatCannotBeReadEndTheProcessAfterOneBox)
{
    const FatalCase cases[] = {
        {"missing file", false, "", "Error:\r\n装载定式库失败"},
        {"one byte shorter than the smallest program", true,
         test::programImage("(;B[pd])", kMinimumExecutableLength - 1), "文件的长度太小，试运行plus.bat"},
        {"wrong magic in a long enough file", true, imageWithWrongMagic(), "数据文件错误：:\r\n"},
        {"no container at all", true, std::string(kMinimumExecutableLength, 'P'), "数据文件错误：:\r\n"},
    };
    for (const FatalCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.fileExists)
            test::writeFile(dir / "browser", c.image);
        Loaded loaded;
        loadFile(loaded, (dir / "browser").string());
        expectFatal(loaded, c.box);
    }
}

TEST(LibraryLoader, WarnsOncePerStrayBackslashButNotForTheColonEscape)
{
    Loaded loaded;
    loadImage(loaded, test::programImage("(;C[a\\b\\:c\\\\d])"));
    EXPECT_EQ(loaded.messages.texts(), (std::vector<std::string>{
                                           "提示转义符:\r\n\\b\\:c\\\\d])",
                                           "提示转义符:\r\n\\\\d])",
                                           "提示转义符:\r\n\\d])",
                                       }));
    ASSERT_TRUE(loaded.engine.isLoaded());
    EXPECT_STREQ(loaded.engine.root->comment, "a\\b:c\\\\d");
}

TEST(LibraryLoader, CountsABackslashThatIsTheSecondByteOfACharacter)
{
    // 0x955C is one GBK character whose second byte is a backslash.
    Loaded loaded;
    loadImage(loaded, test::programImage("(;C[\x95\x5Cx])"));
    EXPECT_EQ(loaded.messages.texts(), std::vector<std::string>{"提示转义符:\r\n\\x])"});
    EXPECT_TRUE(loaded.engine.isLoaded());
}

TEST(LibraryLoader, AllowsLeadingWhitespace)
{
    Loaded loaded;
    loadImage(loaded, test::programImage(" \r\n\t(;B[pd])"));
    EXPECT_TRUE(loaded.messages.boxes.empty());
    ASSERT_TRUE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.root->col, 15);
}

TEST(LibraryLoader, WarnsAboutAMissingOpeningAndReadsOnFromTheThirdByte)
{
    struct Case {
        const char* text;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"  ;;;B[pd])", {"错误的SGF：:\r\n  ;;;B[pd])"}},
        {"xx;B[pd]C[a\\:b])", {"错误的SGF：:\r\n:b])"}},
    };
    for (const Case& c : cases) {
        Loaded loaded;
        loadImage(loaded, test::programImage(c.text));
        EXPECT_EQ(loaded.messages.texts(), c.boxes) << c.text;
        EXPECT_FALSE(loaded.messages.exited());
        ASSERT_TRUE(loaded.engine.isLoaded()) << c.text;
        ASSERT_NE(loaded.engine.root->firstChild, nullptr) << c.text;
        EXPECT_EQ(loaded.engine.root->firstChild->col, 15) << c.text;
    }
}

TEST(LibraryLoader, FatalReaderProblemLeavesNoTree)
{
    Loaded loaded;
    loadImage(loaded, test::programImage("(;ABC[x])"));
    EXPECT_EQ(loaded.messages.exits, std::vector<int>{kFatalLibraryExitStatus});
    EXPECT_FALSE(loaded.engine.isLoaded());
}

TEST(LibraryLoader, SequenceWithoutRootLeavesTheEngineUnloadedButRunning)
{
    Loaded loaded;
    loadImage(loaded, test::programImage("(;B[pd](;W[qc])x"));
    EXPECT_EQ(loaded.messages.texts(), std::vector<std::string>{"Error file data:\r\nx"});
    EXPECT_FALSE(loaded.messages.exited());
    EXPECT_FALSE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.cursor, nullptr);
}

TEST(LibraryLoader, ReadsATextOfAnySizeFromTheBuffer)
{
    Loaded loaded;
    const std::string text = "(;C[" + std::string(1000, 'c') + "];B[pd])";
    setLibraryText(loaded.engine, text);
    readLibraryText(loaded.engine);
    EXPECT_TRUE(loaded.messages.boxes.empty());
    ASSERT_TRUE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.cursor, loaded.engine.root);
}

TEST(LibraryLoader, OwnExecutablePathNamesAReadableFile)
{
    const std::string path = ownExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_FALSE(test::readFile(path).empty());
}

} // namespace
} // namespace joseki

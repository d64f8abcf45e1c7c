#include "library/LibraryLoader.h"

#include "core/JosekiEngine.h"
#include "library/TextScrambler.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki {
namespace {

using test::RecordingMessageService;
using test::TempDir;

const std::string kMagic(kContainerMagic, kMagicLength);

// A program image of `length` bytes that ends with a container holding `text`.
std::string imageWithLibrary(const std::string& text, std::size_t length = kMinimumExecutableLength)
{
    std::string scrambled = text;
    TextScrambler::scramble(scrambled.data());
    std::string container = kMagic + scrambled;
    container.resize(kContainerLength, '\0');
    return std::string(length - kContainerLength, 'P') + container;
}

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
    loadImage(loaded, imageWithLibrary("(;C[root](;B[pd];W[qc])(;B[qd]))"));
    EXPECT_TRUE(loaded.messages.boxes.empty());
    EXPECT_FALSE(loaded.messages.exited());
    ASSERT_TRUE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.cursor, loaded.engine.root);
    EXPECT_STREQ(loaded.engine.root->comment, "root");
    EXPECT_EQ(loaded.engine.candidateCount, 2);
}

TEST(LibraryLoader, FileOfExactlyTheSmallestLengthPassesAndOneByteLessEnds)
{
    Loaded exact;
    loadImage(exact, imageWithLibrary("(;B[pd])", kMinimumExecutableLength));
    EXPECT_TRUE(exact.messages.boxes.empty());
    EXPECT_TRUE(exact.engine.isLoaded());

    Loaded shorter;
    loadImage(shorter, imageWithLibrary("(;B[pd])", kMinimumExecutableLength - 1));
    expectFatal(shorter, "文件的长度太小，试运行plus.bat");
}

TEST(LibraryLoader, MissingFileEnds)
{
    TempDir dir;
    Loaded loaded;
    loadFile(loaded, (dir / "absent").string());
    expectFatal(loaded, "Error:\r\n装载定式库失败");
}

TEST(LibraryLoader, WrongMagicEndsEvenInALongEnoughFile)
{
    std::string image = imageWithLibrary("(;B[pd])");
    image[image.size() - kContainerLength + 4] = 'X';
    Loaded loaded;
    loadImage(loaded, image);
    expectFatal(loaded, "数据文件错误：:\r\n");

    Loaded plain;
    loadImage(plain, std::string(kMinimumExecutableLength, 'P'));
    expectFatal(plain, "数据文件错误：:\r\n");
}

TEST(LibraryLoader, WarnsOncePerStrayBackslashButNotForTheColonEscape)
{
    Loaded loaded;
    loadImage(loaded, imageWithLibrary("(;C[a\\b\\:c\\\\d])"));
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
    loadImage(loaded, imageWithLibrary("(;C[\x95\x5Cx])"));
    EXPECT_EQ(loaded.messages.texts(), std::vector<std::string>{"提示转义符:\r\n\\x])"});
    EXPECT_TRUE(loaded.engine.isLoaded());
}

TEST(LibraryLoader, AllowsLeadingWhitespace)
{
    Loaded loaded;
    loadImage(loaded, imageWithLibrary(" \r\n\t(;B[pd])"));
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
        loadImage(loaded, imageWithLibrary(c.text));
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
    loadImage(loaded, imageWithLibrary("(;ABC[x])"));
    EXPECT_EQ(loaded.messages.exits, std::vector<int>{kFatalLibraryExitStatus});
    EXPECT_FALSE(loaded.engine.isLoaded());
}

TEST(LibraryLoader, SequenceWithoutRootLeavesTheEngineUnloadedButRunning)
{
    Loaded loaded;
    loadImage(loaded, imageWithLibrary("(;B[pd](;W[qc])x"));
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

// joseki-pack convert on the files Go players have: texts in the legacy
// character sets without a CA, UTF-16, and the quirks of real archives. Each
// file is made here, from a known UTF-8 text where it has one, converted, and
// read back by the browser's own reader.
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/TestFiles.h"
#include "tests/tools/PackRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <iconv.h>
#include <string>
#include <vector>

namespace joseki::test {
namespace {

constexpr std::size_t kChunk = 4096;

// The test is compiled with GBK narrow literals; u8 literals stay UTF-8.
std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// `text` (UTF-8) in `charset`, through iconv; fails the test when a character does not fit.
std::string encoded(const std::string& text, const char* charset)
{
    const iconv_t cd = iconv_open(charset, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv does not know " << charset;
        return {};
    }
    std::string out;
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char buffer[kChunk];
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result == static_cast<std::size_t>(-1) && error != E2BIG) {
            ADD_FAILURE() << charset << " cannot hold all of " << text;
            break;
        }
    }
    iconv_close(cd);
    return out;
}

std::string u8encoded(const char8_t* text, const char* charset) { return encoded(utf8(text), charset); }

// The warning lines of a run, without the one listing dropped properties.
std::vector<std::string> warnings(const PackRun& run)
{
    std::vector<std::string> found;
    for (const std::string& line : linesOf(run.err)) {
        const std::size_t warning = line.find(": warning: ");
        if (warning != std::string::npos && line.find("properties the reader does not know") == std::string::npos)
            found.push_back(line.substr(warning + 2));
    }
    return found;
}

// One file converted, and the output read as the browser reads it at start.
struct Conversion {
    explicit Conversion(const std::string& bytes, const std::vector<std::string>& options = {})
    {
        writeFile(dir / "in.sgf", bytes);
        std::vector<std::string> arguments = {"convert", (dir / "in.sgf").string(), (dir / "out.sgf").string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        run = runPack(arguments);
        if (run.status == 0)
            loadLibraryText(engine, readFile(dir / "out.sgf"));
    }

    // Converted, and read by the browser without a message box.
    ::testing::AssertionResult succeeded() const
    {
        if (run.status != 0)
            return ::testing::AssertionFailure() << "status " << run.status << ": " << run.err;
        if (!messages.boxes.empty())
            return ::testing::AssertionFailure() << "the browser showed " << messages.boxes.front().text;
        if (!engine.isLoaded())
            return ::testing::AssertionFailure() << "the browser got no tree";
        return ::testing::AssertionSuccess();
    }

    TempDir dir;
    PackRun run;
    RecordingMessageService messages;
    JosekiEngine engine{messages};
};

struct RoundTrip {
    const char* charset;            // what iconv writes the file in
    const char* byteOrderMark;      // bytes before the text
    const char8_t* name;            // N of the first move
    const char8_t* comment;         // C of the root
    const char* choice;             // the warning on how the file was read
    const char* nameBack = nullptr; // what the reader gets, when not the same text in GBK
    const char* commentBack = nullptr;
    std::size_t replaced = 0; // characters written as "?"
};

// Big5 許 and 功 and Shift_JIS ソ and 表 end in the byte of "\": a reader of
// raw bytes would take them for escapes.
const RoundTrip kRoundTrips[] = {
    {"GB18030", "", u8"小目低挂一间夹", u8"白棋的选择很多，这是最常见的定式之一。黑棋也可以脱先他投。",
     "warning: no CA; detected GB18030"},
    // Too few characters for the detector: the close call goes to GB18030.
    {"GB18030", "", u8"星位", u8"黑中盘胜",
     "warning: no CA; detected GB18030 (a close call on so little text, GB18030 preferred)"},
    {"GBK", "", u8"三三", u8"黑棋先占角地，白棋在外面筑起厚势，双方都满意的局面。", "warning: no CA; detected GB18030"},
    // GBK holds the traditional forms: they come back as they are.
    {"BIG5", "", u8"小目低掛一間夾", u8"許多棋手喜歡這個定式，白棋的選擇很多，黑棋也可以脫先他投，功夫在棋外。",
     "warning: no CA; detected Big5"},
    {"SHIFT_JIS", "", u8"小目一間高ガカリ",
     u8"白の選択は多いですが、これが最も一般的な定石の一つです。ソフトの表示も同じです。",
     "warning: no CA; detected Shift_JIS"},
    // GBK has no hangul: each syllable becomes "?", the hanja stay.
    {"EUC-KR", "", u8"소목 한칸 협공", u8"흑이 먼저 두는 정석(定石)입니다. 백은 손을 빼도 됩니다.",
     "warning: no CA; detected EUC-KR", "?? ?? ??", "?? ?? ?? ?\?(定石)???. ?? ?? ?? ???.", 26},
    {"CP1251", "", u8"Малый пункт",
     u8"У белых много вариантов, но это самое обычное дзёсэки. Чёрные могут сыграть в другом месте.",
     "warning: no CA; detected windows-1251"},
    {"UTF-16LE", "\xFF\xFE", u8"星位", u8"黑中盘胜", "warning: byte-order mark; read as UTF-16LE"},
    {"UTF-16BE", "\xFE\xFF", u8"星位", u8"黑中盘胜", "warning: byte-order mark; read as UTF-16BE"},
};

TEST(JosekiPackRealFiles, LegacyAndUtf16FilesWithoutCaComeBackWithTheirCharacters)
{
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(std::string(c.charset) + " " + c.choice);
        const std::string sgf = "(;GM[1]FF[4]SZ[19]C[" + utf8(c.comment) + "];B[pd]N[" + utf8(c.name) + "];W[qc])";
        const Conversion conversion(c.byteOrderMark + encoded(sgf, c.charset));
        ASSERT_TRUE(conversion.succeeded());
        EXPECT_EQ(numberAfter(conversion.run.out, "nodes"), 3);
        std::vector<std::string> expected = {c.choice};
        if (c.replaced != 0)
            expected.push_back("warning: " + std::to_string(c.replaced) +
                               " character(s) GBK cannot hold (or the reader would misread) written as \"?\", " +
                               "the first being \"" + utf8(c.comment).substr(0, 3) + "\"");
        EXPECT_EQ(warnings(conversion.run), expected);

        const VariationNode* root = conversion.engine.root;
        ASSERT_NE(root->firstChild, nullptr);
        const std::string commentBack = c.commentBack != nullptr ? c.commentBack : encoded(utf8(c.comment), "GBK");
        const std::string nameBack = c.nameBack != nullptr ? c.nameBack : encoded(utf8(c.name), "GBK");
        EXPECT_STREQ(root->comment, commentBack.c_str());
        EXPECT_STREQ(root->firstChild->name, nameBack.c_str());
    }
}

TEST(JosekiPackRealFiles, ADeclaredCaWinsWhenTheTextFitsIt)
{
    struct Case {
        std::string file;
        std::vector<std::string> warnings;
        const char* commentBack;
    };
    const std::string gbk = u8encoded(u8"白棋的选择很多，这是最常见的定式之一。", "GBK");
    const std::vector<Case> cases = {
        {"(;CA[GBK]C[" + u8encoded(u8"定式", "GBK") + "])", {}, "定式"},
        // 镕 is GBK, not GB2312: a GB2312 label is read as the GB18030 that holds both.
        {"(;CA[gb2312]C[" + u8encoded(u8"朱镕基", "GBK") + "])", {}, "朱镕基"},
        // Windows' Shift_JIS: the backslash stays an escape, not a yen sign.
        {"(;CA[Shift_JIS]C[a\\]b " + u8encoded(u8"定石です", "SHIFT_JIS") + "])", {}, "a］b 定石です"},
        {"(;CA[UTF-8]C[" + gbk + "])",
         {"warning: CA[UTF-8] does not fit the text; detected GB18030"},
         "白棋的选择很多，这是最常见的定式之一。"},
        {"(;CA[UTF-16]C[abc])", {"warning: CA[UTF-16] does not fit the text; read as ASCII"}, "abc"},
        {"(;CA[no-such-set]C[" + utf8(u8"定式") + "])",
         {"warning: CA[no-such-set] names no character set this tool knows; read as UTF-8, which the text is"},
         "定式"},
        {"(;C[" + utf8(u8"定式") + "])", {"warning: no CA; read as UTF-8, which the text is"}, "定式"},
        {"\xEF\xBB\xBF(;C[" + utf8(u8"定式") + "])", {}, "定式"},
        {"(;C[abc])", {}, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Conversion conversion(c.file);
        ASSERT_TRUE(conversion.succeeded());
        EXPECT_EQ(warnings(conversion.run), c.warnings);
        EXPECT_STREQ(conversion.engine.root->comment, c.commentBack);
    }
}

TEST(JosekiPackRealFiles, AGameTreeOpenedWithoutSemicolonIsReadWithAWarning)
{
    // The parenthesis in the text before the game tree opens nothing.
    const Conversion conversion("Game record (from an archive)\n(GM[1]FF[4]C[root]\n;B[pd]C[move])");
    ASSERT_TRUE(conversion.succeeded());
    EXPECT_EQ(numberAfter(conversion.run.out, "nodes"), 2);
    EXPECT_EQ(warnings(conversion.run),
              std::vector<std::string>{"warning: game tree 1 opens with \"(\" and no \";\" before "
                                       "its first node; read as if it were there"});
    const VariationNode* root = conversion.engine.root;
    EXPECT_STREQ(root->comment, "root");
    ASSERT_NE(root->firstChild, nullptr);
    EXPECT_STREQ(root->firstChild->comment, "move");
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
        {two,
         {},
         2,
         "first",
         {"warning: the file holds 2 game trees; converted game tree 1, skipped 1 (--tree N picks another)"}},
        {two,
         {"--tree", "2"},
         3,
         "second",
         {"warning: the file holds 2 game trees; converted game tree 2, skipped 1 (--tree N picks another)"}},
        {"(C[first])(C[second];B[dd])",
         {"--tree", "2"},
         2,
         "second",
         {"warning: game tree 2 opens with \"(\" and no \";\" before its first node; read as if it were there",
          "warning: the file holds 2 game trees; converted game tree 2, skipped 1 (--tree N picks another)"}},
        {brokenSecond,
         {},
         2,
         "first",
         {"warning: text after game tree 1 looks like a game tree but is not one, ignored (line 2: the game tree "
          "is not closed)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + (c.options.empty() ? "" : " --tree " + c.options[1]));
        const Conversion conversion(c.file, c.options);
        ASSERT_TRUE(conversion.succeeded());
        EXPECT_EQ(numberAfter(conversion.run.out, "nodes"), c.nodes);
        EXPECT_EQ(warnings(conversion.run), c.warnings);
        EXPECT_STREQ(conversion.engine.root->comment, c.rootComment);
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
        const Conversion conversion(c.file, {"--tree", c.tree});
        const PackRun& run = conversion.run;
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find((conversion.dir / "in.sgf").string() + ": " + c.problem), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(conversion.dir / "out.sgf"));
    }
}

} // namespace
} // namespace joseki::test

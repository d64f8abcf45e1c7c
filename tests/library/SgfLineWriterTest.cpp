// A line of the tree as standard SGF, byte for byte: the header, one node a
// line, texts in UTF-8 with their escapes, tenuki as a pass, trial moves.
#include "library/SgfLineWriter.h"

#include "core/BookReplay.h"
#include "core/JosekiEngine.h"
#include "core/VariationNode.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/SystemTexts.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki {
namespace {

// The test is compiled with GBK narrow literals; the writer gives UTF-8.
std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A library read as the browser reads it, and lines of it by their points.
class Library {
public:
    explicit Library(const std::string& text) { loadLibraryText(engine, text); }

    // The line from the root through the first child at each point.
    BrowsedLine line(const std::vector<Point>& points) const
    {
        const VariationNode* node = engine.root;
        for (const Point& p : points)
            node = JosekiEngine::childAt(node, p.col, p.row);
        EXPECT_NE(node, nullptr);
        BrowsedLine line;
        if (node != nullptr)
            line.bookNodes = book::pathFromRoot(*node);
        return line;
    }

    test::RecordingMessageService messages;
    JosekiEngine engine{messages};
};

constexpr Point kQ16{15, 3};
constexpr Point kR17{16, 2};
constexpr Point kR16{16, 3};
constexpr Point kQ17{15, 2};

TEST(SgfLineWriter, FixtureLineWithBracketsBackslashesAndGbkTextByteForByte)
{
    // The comments hold "][" (a run of two values in the dialect), a backslash,
    // a character whose second GBK byte is a backslash, an escaped colon and
    // a line break; the last move is a tenuki.
    Library library(test::readFile(test::testDataPath("export.sgf")));
    // export-line.sgf, in UTF-8:
    //   (;FF[4]CA[UTF-8]GM[1]SZ[19]C[练习:出口]
    //   ;B[pd]N[星]C[星位\][注]LB[qc:A][qf:B]
    //   ;W[qc]C[点角 a\\b 運]
    //   ;B[qd]
    //   ;W[pc]C[后手
    //   白好]
    //   ;B[]N[脱先])
    const std::string expected = test::readFile(test::testDataPath("export-line.sgf"));
    EXPECT_EQ(SgfLineWriter::write(library.line({kQ16, kR17, kR16, kQ17, kNoMovePoint})), expected);
    // The fixture itself holds the escapes, should it ever be written anew.
    for (const char8_t* escaped : {u8"C[星位\\][注]", u8"C[点角 a\\\\b 運]", u8";B[]N[脱先])\n"})
        EXPECT_NE(expected.find(utf8(escaped)), std::string::npos) << utf8(escaped);
    // The dialect's two stray backslashes are reported at load, as the browser does.
    ASSERT_EQ(library.messages.boxes.size(), 2u);
    EXPECT_EQ(library.messages.boxes[0].text.rfind(test::texts::kStrayEscape, 0), 0u);
}

TEST(SgfLineWriter, TrialMovesFollowTheBookNodes)
{
    Library library("(;C[r];B[pd];W[qc])");
    BrowsedLine line = library.line({kQ16});
    line.trialMoves = {{'W', {2, 3}}, {'B', {18, 0}}};
    EXPECT_EQ(SgfLineWriter::write(line), "(;FF[4]CA[UTF-8]GM[1]SZ[19]C[r]\n;B[pd]\n;W[cd]\n;B[sa])\n");
}

TEST(SgfLineWriter, TextsAndLabelsAreEscapedAsStandardSgfWantsThem)
{
    struct Case {
        const char* library;
        const char* expected;
    };
    const Case cases[] = {
        // A colon is plain in a text, escaped in a label's text; "\:" of the dialect is a colon.
        {"(;;B[aa]C[a:b]N[x\\:y])", "(;FF[4]CA[UTF-8]GM[1]SZ[19]\n;B[aa]N[x:y]C[a:b])\n"},
        {"(;;B[aa]LB[bb::][cc:\\])", "(;FF[4]CA[UTF-8]GM[1]SZ[19]\n;B[aa]LB[bb:\\:][cc:\\\\])\n"},
        // Entries the board cannot show as labels are left out; none at all leaves out LB.
        {"(;;B[aa]LB[bb:A][tt:B][cc][dd:CD][ee:E])", "(;FF[4]CA[UTF-8]GM[1]SZ[19]\n;B[aa]LB[bb:A][ee:E])\n"},
        {"(;;B[aa]LB[zz:A])", "(;FF[4]CA[UTF-8]GM[1]SZ[19]\n;B[aa])\n"},
        // An empty comment stays; a node without a move keeps its texts.
        {"(;;B[aa]C[];C[no move])", "(;FF[4]CA[UTF-8]GM[1]SZ[19]\n;B[aa]C[]\n;C[no move])\n"},
        // The root's own move never shows on the board and is left out.
        {"(;B[aa]C[root];W[bb])", "(;FF[4]CA[UTF-8]GM[1]SZ[19]C[root]\n;W[bb])\n"},
    };
    for (const Case& c : cases) {
        Library library(c.library);
        // Every node of the one line.
        const VariationNode* last = library.engine.root;
        while (last != nullptr && last->firstChild != nullptr)
            last = last->firstChild;
        ASSERT_NE(last, nullptr) << c.library;
        BrowsedLine line;
        line.bookNodes = book::pathFromRoot(*last);
        EXPECT_EQ(SgfLineWriter::write(line), c.expected) << c.library;
    }
}

TEST(SgfLineWriter, AnEmptyLineIsTheHeaderAlone)
{
    EXPECT_EQ(SgfLineWriter::write(BrowsedLine{}), "(;FF[4]CA[UTF-8]GM[1]SZ[19])\n");
}

} // namespace
} // namespace joseki

#include "library/SgfReader.h"

#include "core/JosekiEngine.h"
#include "core/NodeArena.h"
#include "core/VariationNode.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/SystemTexts.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace joseki {
namespace {

namespace texts = test::texts;

using test::RecordingMessageService;

constexpr std::size_t kShownExcerpt = 127;
const std::string kSeparator = ":\r\n";

// An engine holding a library text, with the reader working on it.
class Reading {
public:
    explicit Reading(const std::string& text) { setLibraryText(engine, text); }

    // Reads a whole library that starts with "(;".
    VariationNode* readLibrary()
    {
        reader.skipWhitespace();
        const bool opens = std::string_view(engine.readPos).substr(0, 2) == "(;";
        EXPECT_TRUE(opens) << "a library starts with \"(;\"";
        if (!opens)
            return nullptr;
        engine.readPos += 2;
        return reader.readSequence(nullptr);
    }

    // Reads one node body from the start of the text.
    VariationNode* readOneNode()
    {
        VariationNode* node = arena.newNode();
        reader.readNode(*node);
        return node;
    }

    std::size_t offset() const { return static_cast<std::size_t>(engine.readPos - engine.textBuffer.get()); }

    RecordingMessageService messages;
    JosekiEngine engine{messages};
    NodeArena arena; // what the reader builds
    SgfReader reader{engine, arena};
};

// A node body as it stands in a library: ended by the next node's ";".
std::string nodeBody(const std::string& properties) { return properties + ";"; }

std::string box(const std::string& message, const std::string& excerpt) { return message + kSeparator + excerpt; }

std::string text(const NodeText owned) { return owned ? std::string(owned) : std::string("<null>"); }

std::size_t markCount(const VariationNode& node)
{
    std::size_t count = 0;
    for (const NodeMark* mark = node.marks; mark != nullptr; mark = mark->next)
        ++count;
    return count;
}

std::size_t countNodes(const VariationNode* root)
{
    std::size_t count = 0;
    std::vector<const VariationNode*> pending{root};
    while (!pending.empty()) {
        const VariationNode* node = pending.back();
        pending.pop_back();
        ++count;
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
            pending.push_back(child);
    }
    return count;
}

// --- messages ---------------------------------------------------------------

struct MessageCase {
    const char* name;
    std::string library;
    std::vector<std::string> boxes;
    bool fatal;
    bool yieldsRoot;
};

class ReaderMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ReaderMessages, ShowsExactBoxesAndEndsOnlyWhenFatal)
{
    const MessageCase& c = GetParam();
    Reading r(c.library);
    const auto root = r.readLibrary();
    EXPECT_EQ(r.messages.texts(), c.boxes);
    EXPECT_EQ(r.reader.fatal(), c.fatal);
    EXPECT_EQ(r.messages.exits, c.fatal ? std::vector<int>{kFatalLibraryExitStatus} : std::vector<int>{});
    EXPECT_EQ(root != nullptr, c.yieldsRoot);
    for (const auto& b : r.messages.boxes)
        EXPECT_EQ(b.flags, mb::kOk);
}

const std::string kLongTail(200, 'x');
const std::string kLongValue = std::string(1100, 'v');

INSTANTIATE_TEST_SUITE_P(
    Table, ReaderMessages,
    ::testing::Values(
        MessageCase{"NoOpenBracket", "(;C", {box("sgf file err:", "C")}, true, false},
        MessageCase{"NoCloseBracket", "(;B[aa];C[unclosed", {box("sgf file err:", "C[unclosed")}, true, false},
        MessageCase{"EndInsideNodeBody", "(;B[aa] ", {box("sgf file err:", "")}, true, false},
        MessageCase{"CloseBeforeOpen", "(;C]x[y])", {box("sgf file err:", "C]x[y])")}, true, false},
        MessageCase{"RunWithoutEnd", "(;AB[aa] [bb", {box("sgf file err:", "AB[aa] [bb")}, true, false},
        MessageCase{"ExcerptCutTo127",
                    "(;" + kLongTail,
                    {box("sgf file err:", kLongTail.substr(0, kShownExcerpt))},
                    true,
                    false},
        MessageCase{"Excerpt127Whole",
                    "(;" + kLongTail.substr(0, kShownExcerpt),
                    {box("sgf file err:", kLongTail.substr(0, kShownExcerpt))},
                    true,
                    false},
        MessageCase{"ThreeLetterIdentifier", "(;B[aa];ABC[dd])", {box(texts::kBadIdentifier, "ABC[dd])")}, true, false},
        MessageCase{"EmptyIdentifier", "(;[dd])", {box(texts::kBadIdentifier, "[dd])")}, true, false},
        MessageCase{"FatalDeepInside",
                    "(;B[aa](;W[bb](;XYZ[cc]))(;W[dd]))",
                    {box(texts::kBadIdentifier, "XYZ[cc]))(;W[dd]))")},
                    true,
                    false},
        MessageCase{"TooLong",
                    "(;C[" + kLongValue + "])",
                    {box(texts::kTooLong, kLongValue.substr(0, kShownExcerpt))},
                    false,
                    true},
        MessageCase{"OneLetterMove", "(;B[a])", {box(texts::kBadCoordinate, "a")}, false, true},
        MessageCase{"EmptyMove", "(;W[])", {box(texts::kBadCoordinate, "")}, false, true},
        MessageCase{"MoveOffRange",
                    "(;B[ua];W[az])",
                    {box(texts::kBadCoordinate, "ua"), box(texts::kBadCoordinate, "az")},
                    false,
                    true},
        MessageCase{"HighByteMove", "(;B[\xB0\xA1])", {box(texts::kBadCoordinate, "\xB0\xA1")}, false, true},
        MessageCase{"BadMark",
                    "(;TR[zz]MA[])",
                    {box(texts::kBadCoordinate, "zz"), box(texts::kBadCoordinate, "")},
                    false,
                    true},
        MessageCase{"LowerCaseIdentifier", "(;b[aa])", {box(texts::kUnknownIdentifier, "b")}, false, true},
        MessageCase{"UnknownTwoLetters",
                    "(;GM[1]XY[z])",
                    {box(texts::kUnknownIdentifier, "GM"), box(texts::kUnknownIdentifier, "XY")},
                    false,
                    true},
        MessageCase{"BlankInIdentifier", "(;B [aa])", {box(texts::kUnknownIdentifier, "B ")}, false, true},
        MessageCase{"BlankBeforeVariationNode",
                    "(;B[aa]( ;W[bb]))",
                    {box("Error file data", " ;W[bb]))"), box("Error file data", ";W[bb]))")},
                    false,
                    false},
        MessageCase{"BadVariationThenClose",
                    "(;B[aa](x)",
                    {box("Error file data", "x)"), box("Error file data", "x)")},
                    false,
                    false},
        MessageCase{"EmptyVariation", "(;B[aa]())", {box("Error file data", "))")}, false, true},
        MessageCase{"UnclosedInnerCascades",
                    "(;B[aa](;W[bb]( ;B[cc])))",
                    {box("Error file data", " ;B[cc])))"), box("Error file data", ";B[cc])))"),
                     box("Error file data", ";B[cc])))")},
                    false,
                    false},
        MessageCase{"NodeAfterVariation", "(;B[aa](;W[bb]);B[cc])", {box("Error file data", ";B[cc])")}, false, false},
        MessageCase{"CleanLibrary", "(;GN[x]DT[y]AP[z]SZ[19]GC[w];B[aa])", {}, false, true}),
    [](const ::testing::TestParamInfo<MessageCase>& param) { return std::string(param.param.name); });

TEST(SgfReader, TooLongValueKeepsFirst1024BytesAndReadingGoesOn)
{
    for (const std::size_t length : {kValueLimit, kValueLimit + 1}) {
        std::string value(length, 'c');
        value.back() = 'z';
        Reading r("C[" + value + "]N[next];");
        const auto node = r.readOneNode();
        EXPECT_EQ(r.messages.boxes.size(), length > kValueLimit ? 1U : 0U) << length;
        EXPECT_EQ(text(node->comment), value.substr(0, kValueLimit)) << length;
        EXPECT_EQ(text(node->name), "next");
        EXPECT_EQ(*r.engine.readPos, ';');
    }
}

// --- properties -------------------------------------------------------------

TEST(SgfReader, SkipWhitespaceSkipsOnlyTheFourBytes)
{
    const std::vector<std::pair<std::string, std::size_t>> cases{{" \r\n\tX", 4},  {"\fX", 0}, {"\vX", 0},
                                                                 {"\xA1\xA1X", 0}, {"", 0},    {"  ", 2}};
    for (const auto& [input, expected] : cases) {
        Reading r(input);
        r.reader.skipWhitespace();
        EXPECT_EQ(r.offset(), expected) << input;
    }
}

TEST(SgfReader, ReadPropertyTakesTheWholeValueRun)
{
    Reading r("  AB[aa] \r\n\t[bb][cc]  ;");
    char identifier[kIdentifierBufferSize];
    char value[kValueBufferSize];
    ASSERT_TRUE(r.reader.readProperty(identifier, value));
    EXPECT_STREQ(identifier, "AB");
    EXPECT_STREQ(value, "aa] \r\n\t[bb][cc");
    EXPECT_EQ(std::string(r.engine.readPos), "  ;");
    EXPECT_FALSE(r.reader.readProperty(identifier, value));
    EXPECT_EQ(*r.engine.readPos, ';');
    EXPECT_TRUE(r.messages.boxes.empty());
}

TEST(SgfReader, ReadPropertyStopsAtNodeAndSequenceBytes)
{
    for (const char* input : {";B[aa]", "(;B[aa]", ")B[aa]", " \n)"}) {
        Reading r(input);
        char identifier[kIdentifierBufferSize];
        char value[kValueBufferSize];
        EXPECT_FALSE(r.reader.readProperty(identifier, value)) << input;
        EXPECT_EQ(std::string(r.engine.readPos, 1), std::string(input).substr(std::strspn(input, " \n"), 1));
        EXPECT_FALSE(r.reader.fatal());
    }
}

TEST(SgfReader, BracketsInsideValuesAreNotEscaped)
{
    Reading r(nodeBody("C[a\\]N[b]"));
    const auto node = r.readOneNode();
    EXPECT_EQ(text(node->comment), "a\\");
    EXPECT_EQ(text(node->name), "b");
    EXPECT_TRUE(r.messages.boxes.empty());
}

struct TextCase {
    const char* body;
    std::string comment, name, branchInfo, whiteSetup, blackSetup;
};

TEST(SgfReader, TextPropertiesAreStoredAsTheirOwnCopies)
{
    const std::vector<TextCase> cases{
        {"C[a\\:b]N[x\\:\\:y]", "a:b", "x::y", "<null>", "<null>", "<null>"},
        {"LB[aa\\:A]AW[a\\:b]AB[c\\:d]", "<null>", "<null>", "aa\\:A", "a\\:b", "c\\:d"},
        {"C[\\\\:]", "\\:", "<null>", "<null>", "<null>", "<null>"},
        {"C[a\\b\\]", "a\\b\\", "<null>", "<null>", "<null>", "<null>"},
        // 0x5C as the second byte of a double-byte character is part of it.
        {"C[\x81\\:]N[\xB0\xA1\\:\x8A\\]", "\x81\\:", "\xB0\xA1:\x8A\\", "<null>", "<null>", "<null>"},
        {"C[\x81]", "\x81", "<null>", "<null>", "<null>", "<null>"},
        {"LB[aa:A] \r\n[bb:B]\t[cc :C\r\n]", "<null>", "<null>", "aa:A][bb:B]\t[cc:C", "<null>", "<null>"},
        {"AB[aa] [bb]AW[cc]\n[dd]", "<null>", "<null>", "<null>", "cc]\n[dd", "aa] [bb"},
        {"C[first]C[second]N[a]N[]LB[aa:A]LB[bb:B]AW[aa]AW[bb]AB[cc]AB[dd]", "second", "", "bb:B", "bb", "dd"},
        {"C[]", "", "<null>", "<null>", "<null>", "<null>"},
    };
    for (const TextCase& c : cases) {
        Reading r(nodeBody(c.body));
        const auto node = r.readOneNode();
        EXPECT_TRUE(r.messages.boxes.empty()) << c.body;
        EXPECT_EQ(text(node->comment), c.comment) << c.body;
        EXPECT_EQ(text(node->name), c.name) << c.body;
        EXPECT_EQ(text(node->branchInfo), c.branchInfo) << c.body;
        EXPECT_EQ(text(node->whiteSetup), c.whiteSetup) << c.body;
        EXPECT_EQ(text(node->blackSetup), c.blackSetup) << c.body;
        const char* bufferStart = r.engine.textBuffer.get();
        const char* bufferEnd = bufferStart + r.engine.textBufferSize;
        for (const NodeText* owned :
             {&node->comment, &node->name, &node->branchInfo, &node->whiteSetup, &node->blackSetup}) {
            if (*owned) {
                EXPECT_FALSE(*owned >= bufferStart && *owned < bufferEnd) << c.body;
            }
        }
    }
}

struct MoveCase {
    const char* body;
    char color;
    int col, row;
    std::size_t boxes;
};

TEST(SgfReader, MovesAndTheirCoordinates)
{
    const std::vector<MoveCase> cases{
        {"B[aa]", 'B', 0, 0, 0},     {"W[sr]", 'W', 18, 17, 0},    {"B[tt]", 'B', 19, 19, 0},
        {"W[at]", 'W', 19, 19, 0},   {"B[ta]", 'B', 19, 19, 0},    {"B[a]", 'B', 19, 19, 1},
        {"W[]", 'W', 19, 19, 1},     {"B[ua]", 'B', 19, 19, 1},    {"B[`a]", 'B', 19, 19, 1},
        {"B[aA]", 'B', 19, 19, 1},   {"B[aa]W[cd]", 'W', 2, 3, 0}, {"B[aa]B[zz]", 'B', 19, 19, 1},
        {"B[dc][ee]", 'B', 3, 2, 0}, {"B[dcx]", 'B', 3, 2, 0},     {"", 0, 19, 19, 0},
    };
    for (const MoveCase& c : cases) {
        Reading r(nodeBody(c.body));
        const auto node = r.readOneNode();
        EXPECT_EQ(node->color, c.color) << c.body;
        EXPECT_EQ(node->col, c.col) << c.body;
        EXPECT_EQ(node->row, c.row) << c.body;
        EXPECT_EQ(r.messages.boxes.size(), c.boxes) << c.body;
    }
}

TEST(SgfReader, MarksAccumulateInFileOrderWithFirstPointOnly)
{
    Reading r(nodeBody("TR[aa][bb]CR[cb]SQ[dc]TR[zz]SL[ed]MA[fe]MA[tt]GN[g]"));
    const auto node = r.readOneNode();
    const std::vector<std::vector<int>> expected{{kMarkTriangle, 0, 0}, {kMarkCircle, 2, 1}, {kMarkSquare, 3, 2},
                                                 {kMarkSelect, 4, 3},   {kMarkCross, 5, 4},  {kMarkCross, 19, 19}};
    std::vector<std::vector<int>> actual;
    for (const NodeMark* mark = node->marks; mark != nullptr; mark = mark->next)
        actual.push_back({mark->kind, mark->col, mark->row});
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(r.messages.texts(), std::vector<std::string>{box(texts::kBadCoordinate, "zz")});
    EXPECT_EQ(node->col, 19);
}

TEST(SgfReader, ManyMarksOnOneNode)
{
    constexpr std::size_t kMarks = 100000;
    std::string body;
    for (std::size_t i = 0; i < kMarks; ++i)
        body += "TR[aa]";
    Reading r(nodeBody(body));
    const auto node = r.readOneNode();
    EXPECT_EQ(markCount(*node), kMarks);
    EXPECT_TRUE(r.messages.boxes.empty());
}

// --- structure --------------------------------------------------------------

TEST(SgfReader, SequencesChainAndVariationsKeepTheirOrder)
{
    Reading r(" (;GN[t] ;B[aa]\r\n;;W[bb]\n(;B[cc];W[dd])\t(;B[ee](;W[ff])(;W[gg]))(;B[tt]) )rest");
    const auto root = r.readLibrary();
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(r.messages.boxes.empty());
    EXPECT_EQ(std::string(r.engine.readPos), "rest");
    EXPECT_EQ(root->parent, nullptr);
    EXPECT_EQ(root->nextSibling, nullptr);

    VariationNode* a = root->firstChild;
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->parent, root);
    VariationNode* empty = a->firstChild;
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->color, 0);
    EXPECT_EQ(empty->col, 19);
    EXPECT_EQ(empty->row, 19);
    VariationNode* last = empty->firstChild;
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->col, 1);

    std::vector<int> firstCols;
    for (VariationNode* child = last->firstChild; child != nullptr; child = child->nextSibling) {
        EXPECT_EQ(child->parent, last);
        firstCols.push_back(child->col);
    }
    EXPECT_EQ(firstCols, (std::vector<int>{2, 4, 19}));
    VariationNode* e = last->firstChild->nextSibling;
    ASSERT_NE(e->firstChild, nullptr);
    EXPECT_EQ(e->firstChild->col, 5);
    ASSERT_NE(e->firstChild->nextSibling, nullptr);
    EXPECT_EQ(e->firstChild->nextSibling->col, 6);
    EXPECT_EQ(e->firstChild->nextSibling->parent, e);
    EXPECT_EQ(last->firstChild->firstChild->col, 3);
    EXPECT_EQ(countNodes(root), 10U);
}

TEST(SgfReader, FatalStopReadsNothingFurther)
{
    Reading r("(;B[aa](;W[bb];B[cc]X Y[dd];W[ee])(;W[ff]))");
    EXPECT_EQ(r.readLibrary(), nullptr);
    const std::size_t stoppedAt = r.offset();
    ASSERT_TRUE(r.reader.fatal());
    char identifier[kIdentifierBufferSize];
    char value[kValueBufferSize];
    EXPECT_FALSE(r.reader.readProperty(identifier, value));
    EXPECT_EQ(r.reader.readSequence(nullptr), nullptr);
    EXPECT_EQ(r.offset(), stoppedAt);
    EXPECT_EQ(r.messages.boxes.size(), 1U);
    EXPECT_EQ(r.messages.exits, std::vector<int>{kFatalLibraryExitStatus});
}

TEST(SgfReader, DeepNestingReadsWithoutRecursion)
{
    constexpr std::size_t kDepth = 100000;
    std::string library = "(;B[aa]";
    for (std::size_t i = 0; i < kDepth; ++i)
        library += "(;W[bb]";
    library += std::string(kDepth + 1, ')');
    Reading r(library);
    const auto root = r.readLibrary();
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(r.messages.boxes.empty());
    std::size_t depth = 0;
    for (const VariationNode* node = root; node->firstChild != nullptr; node = node->firstChild) {
        EXPECT_EQ(node->firstChild->parent, node);
        ++depth;
    }
    EXPECT_EQ(depth, kDepth);
}

TEST(SgfReader, DeepNestingEndingFatallyFreesEverything)
{
    constexpr std::size_t kDepth = 100000;
    std::string library = "(;";
    for (std::size_t i = 0; i < kDepth; ++i)
        library += "(;W[bb]";
    Reading r(library + "C[x");
    EXPECT_EQ(r.readLibrary(), nullptr);
    EXPECT_EQ(r.messages.texts(), std::vector<std::string>{box("sgf file err:", "C[x")});
}

TEST(SgfReader, LongChainReadsIteratively)
{
    constexpr std::size_t kNodes = 1000000;
    std::string library = "(;";
    library.reserve(kNodes * 6 + 4);
    for (std::size_t i = 0; i < kNodes; ++i)
        library += ";B[dd]";
    library += ")";
    Reading r(library);
    const auto root = r.readLibrary();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(countNodes(root), kNodes + 1);
    EXPECT_TRUE(r.messages.boxes.empty());
}

// --- the fixture library ------------------------------------------------------

// Nodes written in tests/data/fixture.sgf, root included.
constexpr std::size_t kFixtureNodes = 290;

TEST(SgfReader, FixtureLibraryLoadsAndBrowsesWithoutAnyMessage)
{
    Reading r(test::readFile(test::testDataPath("fixture.sgf")));
    auto root = r.readLibrary();
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(r.messages.boxes.empty()) << r.messages.boxes.front().text;
    EXPECT_EQ(countNodes(root), kFixtureNodes);

    r.engine.adoptTree(std::move(r.arena), root);
    r.engine.resetToRoot();
    EXPECT_GT(r.engine.candidateCount, 1);

    // Visit every node through the engine, so branch labels and stones of the
    // whole library are exercised as a user would see them.
    std::size_t visited = 1;
    std::vector<VariationNode*> nextChild{r.engine.root->firstChild};
    while (!nextChild.empty()) {
        VariationNode* child = nextChild.back();
        if (child == nullptr) {
            nextChild.pop_back();
            if (!nextChild.empty())
                r.engine.stepBack();
            continue;
        }
        nextChild.back() = child->nextSibling;
        r.engine.stepTo(child->col, child->row);
        ASSERT_EQ(r.engine.cursor, child);
        ++visited;
        nextChild.push_back(child->firstChild);
    }
    EXPECT_EQ(visited, countNodes(r.engine.root));
    EXPECT_TRUE(r.messages.boxes.empty()) << r.messages.boxes.front().text;
}

} // namespace
} // namespace joseki

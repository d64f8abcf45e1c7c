// joseki-pack export as a user runs it, and the round trip of an exported
// line through convert: the same moves, comments, names and labels.
#include "tools/joseki-pack/DialectWriter.h"
#include "tools/joseki-pack/StandardSgfParser.h"

#include "core/BookReplay.h"
#include "core/JosekiEngine.h"
#include "core/VariationNode.h"
#include "library/LibraryLoader.h"
#include "library/SgfLineWriter.h"
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
using test::PackRun;
using test::runPack;

const std::string kFixture = test::testDataPath("export.sgf").string();
// The fixture's line B Q16 W R17 B R16 W Q17 B tenuki, as standard SGF.
const std::string kFixtureLine = test::readFile(test::testDataPath("export-line.sgf"));

fs::path defaultLibrary() { return fs::path(JOSEKI_TEST_DATA_DIR).parent_path().parent_path() / "data" / "joseki.sgf"; }

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// What a node of a line carries from the library to an SGF editor and back.
struct NodeTexts {
    char colour;
    int col;
    int row;
    std::string comment;
    std::string name;
    std::string labels;
    friend bool operator==(const NodeTexts&, const NodeTexts&) = default;
};

std::string textOf(const char* text) { return text == nullptr ? "<none>" : text; }

// The nodes of a line below the root; the root's texts stand first.
std::vector<NodeTexts> textsOf(const std::vector<const VariationNode*>& line)
{
    std::vector<NodeTexts> texts;
    for (const VariationNode* node : line)
        texts.push_back({node == line.front() ? '\0' : node->color, node->col, node->row, textOf(node->comment),
                         textOf(node->name), textOf(node->branchInfo)});
    return texts;
}

// A library read as the browser reads it.
struct Loaded {
    explicit Loaded(const std::string& text) { loadLibraryText(engine, text); }
    // The one line of a library that is a single line.
    std::vector<const VariationNode*> onlyLine() const
    {
        const VariationNode* node = engine.root;
        while (node->firstChild != nullptr)
            node = node->firstChild;
        return book::pathFromRoot(*node);
    }
    test::RecordingMessageService messages;
    JosekiEngine engine{messages};
};

TEST(JosekiPackExport, PrintsTheFixtureLineByteForByteHoweverThePathIsSplit)
{
    const std::vector<std::vector<std::string>> spellings = {
        {"B", "Q16", "W", "R17", "B", "R16", "W", "Q17", "B", "tenuki"},
        {"B Q16 W R17 B R16 W Q17 B tenuki"},
        {"q16", "R17 r16", "Q17", "tenuki"},
    };
    for (const std::vector<std::string>& path : spellings) {
        std::vector<std::string> arguments = {"export", kFixture};
        arguments.insert(arguments.end(), path.begin(), path.end());
        const PackRun run = runPack(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, kFixtureLine);
        // The fixture's stray backslashes give the boxes the browser would show.
        EXPECT_EQ(test::linesOf(run.err).size(), 2u) << run.err;
        EXPECT_EQ(run.err.rfind(utf8(u8"message: 提示转义符"), 0), 0u) << run.err;
    }
}

TEST(JosekiPackExport, NoMovesGiveTheRootAlone)
{
    const PackRun run = runPack({"export", kFixture});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, utf8(u8"(;FF[4]CA[UTF-8]GM[1]SZ[19]C[练习:出口])\n"));
}

TEST(JosekiPackExport, APathThatCannotBeFollowedSaysWhereAndPrintsNothing)
{
    struct Case {
        std::vector<std::string> path;
        std::string problem;
    };
    const Case cases[] = {
        {{"B Q16 W Q15"}, "no continuation W Q15 after B Q16"},
        {{"B Q16 R17 Q4"}, "no continuation Q4 after B Q16 W R17"},
        {{"W Q16"}, "the continuation at Q16 after the root is not W"},
        {{"B Q16 B"}, "the colour B at the end has no point after it"},
        {{"B K10"}, "'K10' is neither a colour B or W, a point such as Q16, nor tenuki"},
        {{"pd"}, "'pd' is neither a colour B or W, a point such as Q16, nor tenuki"},
        {{"B Q16 W tenuki"}, "no continuation W tenuki after B Q16"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"export", kFixture};
        arguments.insert(arguments.end(), c.path.begin(), c.path.end());
        const PackRun run = runPack(arguments);
        EXPECT_EQ(run.status, 1) << c.path.front();
        EXPECT_EQ(run.out, "") << c.path.front();
        EXPECT_NE(run.err.find(kFixture + ": " + c.problem + "\n"), std::string::npos) << run.err;
    }
    const PackRun missing = runPack({"export", (fs::path(kFixture).parent_path() / "missing.sgf").string(), "Q16"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(runPack({"export"}).status, 2);
}

TEST(JosekiPackExport, ConvertGivesTheExportedLineBackWithItsMovesCommentsNamesAndLabels)
{
    test::TempDir dir;
    const fs::path exported = dir / "line.sgf";
    const fs::path back = dir / "back.sgf";
    test::writeFile(exported, kFixtureLine);
    const PackRun convert = runPack({"convert", exported.string(), back.string()});
    ASSERT_EQ(convert.status, 0) << convert.err;

    Loaded original(test::readFile(kFixture));
    const VariationNode* node = original.engine.root;
    for (const Point& p : {Point{15, 3}, Point{16, 2}, Point{16, 3}, Point{15, 2}, kNoMovePoint})
        node = JosekiEngine::childAt(node, p.col, p.row);
    ASSERT_NE(node, nullptr);
    std::vector<NodeTexts> expected = textsOf(book::pathFromRoot(*node));
    // The dialect holds no backslash without a warning: convert writes the
    // full-width one, and a character whose second byte is one as "?".
    expected[2].comment = "点角 a＼b ?";

    Loaded converted(test::readFile(back));
    EXPECT_TRUE(converted.messages.boxes.empty());
    EXPECT_EQ(textsOf(converted.onlyLine()), expected);
    EXPECT_EQ(runPack({"check", back.string()}).status, 0);
}

TEST(JosekiPackExport, EveryLineOfTheDefaultLibraryComesBackThroughTheConverterUnchanged)
{
    Loaded library(test::readFile(defaultLibrary()));
    ASSERT_TRUE(library.engine.isLoaded());
    // Every leaf, found with an explicit stack: each line once.
    std::vector<const VariationNode*> open = {library.engine.root};
    std::size_t leaves = 0;
    while (!open.empty()) {
        const VariationNode* node = open.back();
        open.pop_back();
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
            open.push_back(child);
        if (node->firstChild != nullptr)
            continue;
        ++leaves;
        BrowsedLine line;
        line.bookNodes = book::pathFromRoot(*node);
        pack::SgfCollection collection;
        std::string error;
        ASSERT_TRUE(pack::StandardSgfParser::parse(SgfLineWriter::write(line), 1, collection, error)) << error;
        pack::ConversionNotes notes;
        Loaded back(pack::DialectWriter::write(collection.tree, notes));
        EXPECT_TRUE(back.messages.boxes.empty());
        EXPECT_EQ(notes.replacedCharacters, 0u);
        std::vector<NodeTexts> expected = textsOf(line.bookNodes);
        EXPECT_EQ(textsOf(back.onlyLine()), expected);
    }
    EXPECT_GT(leaves, 400u);
}

} // namespace
} // namespace joseki

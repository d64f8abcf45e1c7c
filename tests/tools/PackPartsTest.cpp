// Unit tests of joseki-pack's parts, without running the program.
#include "tools/joseki-pack/ContainerWriter.h"
#include "tools/joseki-pack/DialectWriter.h"
#include "tools/joseki-pack/TreeChecker.h"

#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki::pack {
namespace {

// A tree read by the system's reader from a library text.
class ReadTree {
public:
    explicit ReadTree(const std::string& text) { loadLibraryText(engine, text); }
    const VariationNode* root() const { return engine.root; }

private:
    test::RecordingMessageService messages;
    JosekiEngine engine{messages};
};

TEST(TreeCheckerTest, MeasuresTheShapeOfATree)
{
    const ReadTree tree("(;;B[pd](;W[qc];B[qd])(;W[pc])(;W[tt]))");
    const TreeStats stats = TreeChecker::measure(tree.root());
    EXPECT_EQ(stats.nodes, 6u);
    EXPECT_EQ(stats.leaves, 3u);
    EXPECT_EQ(stats.depth, 3u);
    EXPECT_EQ(stats.branches, 1u);
    EXPECT_EQ(stats.maxChildren, 3u);
    const TreeStats none = TreeChecker::measure(nullptr);
    EXPECT_EQ(none.nodes, 0u);
}

TEST(TreeCheckerTest, EachProblemGivesOneLineNamingItsNode)
{
    const struct {
        const char* library;
        std::vector<std::string> lines;
    } cases[] = {
        {"(;;B[pd];W[qc];B[qd])", {}},
        {"(;;B[pd];W[pd])", {"B pd > W pd: a move to an occupied point"}},
        {"(;;B[pd];B[qc])", {"B pd > B qc: B plays twice in a row"}},
        {"(;;B[ba];W[tt];B[ab];W[aa])", {"B ba > W tt > B ab > W aa: a suicide move"}},
        {"(;(;B[pd])(;B[pd]))", {"(2) B pd: a second child at the same point; only the first can be reached"}},
        {"(;B[dd];W[pd])", {"root: its move is never shown on the board"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.library);
        const ReadTree tree(c.library);
        EXPECT_EQ(TreeChecker::check(tree.root()), c.lines);
    }
}

TEST(TreeCheckerTest, NamesDeepNodesByTheStartAndEndOfTheirPath)
{
    std::string library = "(;";
    for (int i = 0; i < 20; ++i)
        library += i % 2 == 0 ? ";B[tt]" : ";W[tt]";
    library += ")";
    const ReadTree tree(library);
    const VariationNode* deepest = tree.root();
    while (deepest->firstChild != nullptr)
        deepest = deepest->firstChild;
    EXPECT_EQ(TreeChecker::describe(deepest),
              "B tt > W tt > B tt > W tt > ... 8 more ... > B tt > W tt > B tt > W tt > "
              "B tt > W tt > B tt > W tt");
    EXPECT_EQ(TreeChecker::describe(tree.root()), "root");
}

TEST(ContainerWriterTest, BuildsTheMagicThenTheScrambledTextThenZeros)
{
    std::string container;
    std::string error;
    ASSERT_TRUE(ContainerWriter::build("(;B[pd])", container, error)) << error;
    ASSERT_EQ(container.size(), kContainerLength);
    EXPECT_EQ(container.substr(0, kMagicLength), std::string(kContainerMagic, kMagicLength));
    // The same fixed vector as the scrambler's own test.
    EXPECT_EQ(container.substr(kMagicLength, 8), "\x52\x7A\x8E\x90\xAD\xFD\x11\xC4");
    EXPECT_EQ(container.find_first_not_of('\0', kMagicLength + 8), std::string::npos);

    EXPECT_FALSE(ContainerWriter::build(std::string("(;C[a\0b])", 9), container, error));
    EXPECT_NE(error.find("zero byte at offset 5"), std::string::npos) << error;
    EXPECT_FALSE(ContainerWriter::build(std::string(kContainerTextLength + 1, 'x'), container, error));
    EXPECT_NE(error.find("does not fit"), std::string::npos) << error;
    EXPECT_TRUE(ContainerWriter::build(std::string(kContainerTextLength, 'x'), container, error));
}

// The comment a standard SGF text becomes once written in the dialect and
// read back by the system's reader, and the characters the writer replaced.
struct DialectComment {
    std::string comment;
    std::size_t replaced;
};

DialectComment throughTheDialect(const std::string& comment)
{
    SgfTree tree;
    tree.nodes.push_back(SgfNode{{SgfProperty{"C", {comment}}}, {}});
    ConversionNotes notes;
    const std::string text = DialectWriter::write(tree, notes);
    test::RecordingMessageService messages;
    JosekiEngine engine(messages);
    loadLibraryText(engine, text);
    EXPECT_TRUE(messages.boxes.empty()) << text;
    const char* read = engine.root != nullptr ? engine.root->comment : nullptr;
    return {read == nullptr ? "<none>" : read, notes.replacedCharacters};
}

TEST(DialectWriterTest, KeepsABracketThatAnOpeningBracketFollowsAndNoOther)
{
    const std::string x1022(1022, 'x');
    struct Case {
        std::string text;
        std::string read;
        std::size_t replaced;
    };
    const Case cases[] = {
        {"a][b", "a][b", 0},
        {"a] \r\n[b", "a] \r\n[b", 0},
        {"a][", "a][", 0},
        {"a]b", "a］b", 0},
        {"a]", "a］", 0},
        {"[a]]", "[a］］", 0},
        // Cut to the reader's limit between the two: the bracket would end the value.
        {x1022 + "] [b", x1022 + "? ", 1},
    };
    for (const Case& c : cases) {
        const DialectComment got = throughTheDialect(c.text);
        EXPECT_EQ(got.comment, c.read) << c.text.substr(0, 20);
        EXPECT_EQ(got.replaced, c.replaced) << c.text.substr(0, 20);
    }
}

} // namespace
} // namespace joseki::pack

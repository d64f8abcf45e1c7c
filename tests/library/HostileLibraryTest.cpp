// Libraries packed by anybody: huge, deep, wide, cut short, full of bytes the
// format never meant. Each loads through the start-up path and either browses
// or is refused with exactly the boxes the failure rules name; nothing crashes,
// reads outside a buffer or leaks (the sanitizer build runs these same tests).
#include "core/JosekiEngine.h"
#include "core/MessageService.h"
#include "core/VariationNode.h"
#include "library/LibraryLoader.h"
#include "library/SgfReader.h"
#include "library/TextScrambler.h"
#include "tests/controller/FakeBrowserView.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/support/SystemTexts.h"
#include "tests/support/TestFiles.h"
#include "ui/controller/BrowserController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace joseki {
namespace {

using namespace test::texts;

using test::RecordingMessageService;

const std::string kSeparator = ":\r\n";
const std::string kFileError = "sgf file err:";
const std::string kFileData = "Error file data";
// A GBK character: lead byte, then trail byte.
const std::string kGbkCharacter = "定";

std::string box(const std::string& message, const std::string& excerpt)
{
    return message + kSeparator + excerpt.substr(0, kExcerptLimit);
}

// The engine of a browser whose library is the given text.
struct Loaded {
    explicit Loaded(const std::string& text) { loadLibraryText(engine, text); }

    RecordingMessageService messages;
    JosekiEngine engine{messages};
};

// Every published point the painter or a click could index with stays on the
// board or is the no-move marker; the cursor path keeps the engine's invariants.
void expectSafeToPaint(const JosekiEngine& engine)
{
    ASSERT_GE(engine.candidateCount, 0);
    ASSERT_LE(engine.candidateCount, kListedBranches);
    ASSERT_GE(engine.branchLabelCount, 0);
    ASSERT_LE(engine.branchLabelCount, kListedBranches);
    for (int i = 0; i < engine.candidateCount; ++i) {
        const Point p = engine.candidates[static_cast<std::size_t>(i)];
        EXPECT_TRUE(onBoard(p.col, p.row) || (p.col == kNoMove && p.row == kNoMove)) << p.col << "," << p.row;
    }
    ASSERT_NE(engine.cursor, nullptr);
    EXPECT_TRUE(engine.cursor->hasMove() || (engine.cursor->col == kNoMove && engine.cursor->row == kNoMove));
    ASSERT_GE(engine.pathDepth, 1);
    EXPECT_EQ(engine.pathStack[0], engine.root);
    EXPECT_EQ(engine.lastChoice, engine.pathStack[static_cast<std::size_t>(engine.pathDepth - 1)]);
}

void expectRefused(const Loaded& loaded, const std::vector<std::string>& boxes)
{
    EXPECT_EQ(loaded.messages.texts(), boxes);
    EXPECT_EQ(loaded.messages.exits, std::vector<int>{kFatalLibraryExitStatus});
    EXPECT_FALSE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.cursor, nullptr);
}

// One "提示转义符" box per backslash that does not start "\:", as the loader
// warns before reading.
std::vector<std::string> escapeWarnings(const std::string& text)
{
    std::vector<std::string> boxes;
    const std::string visible = text.substr(0, text.find('\0'));
    for (std::size_t p = visible.find('\\'); p != std::string::npos; p = visible.find('\\', p + 1)) {
        if (p + 1 >= visible.size() || visible[p + 1] != ':')
            boxes.push_back(box(kStrayEscape, visible.substr(p)));
    }
    return boxes;
}

std::string repeat(const std::string& piece, std::size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// The letters of a point as the library writes them.
std::string pointLetters(int index)
{
    return {static_cast<char>('a' + index / kBoardSize), static_cast<char>('a' + index % kBoardSize)};
}

// --- size and shape -----------------------------------------------------------

constexpr std::size_t kNestedVariations = 100000;
// Deeper than the room reserved for branch choices, so the walk crosses it.
constexpr int kNestedLevelsBrowsed = static_cast<int>(kPathStackCapacity) + 80;
constexpr int kLevelsBackUp = 5;

TEST(HostileLibrary, HundredThousandNestedVariationsLoadAndBrowse)
{
    // Every level has two tenuki children: the next level, then a leaf.
    const std::string text = repeat("(;", kNestedVariations) + "(;)" + repeat("(;))", kNestedVariations);
    Loaded loaded(text);
    EXPECT_TRUE(loaded.messages.boxes.empty());
    ASSERT_TRUE(loaded.engine.isLoaded());
    JosekiEngine& engine = loaded.engine;

    for (int level = 1; level <= kNestedLevelsBrowsed; ++level) {
        ASSERT_EQ(engine.candidateCount, 2);
        engine.stepTo(kNoMove, kNoMove);
        ASSERT_EQ(engine.pathDepth, level + 1);
    }
    expectSafeToPaint(engine);
    EXPECT_EQ(engine.stoneCount, 0);

    // Each 上分支 from a chosen child leaves one level of choices.
    for (int up = 1; up <= kLevelsBackUp; ++up) {
        engine.upBranch();
        EXPECT_EQ(engine.pathDepth, kNestedLevelsBrowsed + 1 - up);
        EXPECT_EQ(engine.cursor, engine.lastChoice);
    }
    for (int down = 0; down < kLevelsBackUp; ++down)
        engine.stepTo(kNoMove, kNoMove);
    EXPECT_EQ(engine.pathDepth, kNestedLevelsBrowsed + 1);
    expectSafeToPaint(engine);

    engine.resetToRoot();
    EXPECT_EQ(engine.pathDepth, 1);
    EXPECT_TRUE(loaded.messages.boxes.empty());
}

TEST(HostileLibrary, HundredThousandNestedVariationsNeverClosedLeaveNoTree)
{
    // The innermost leaf closes; every level above it meets the end of the text.
    Loaded loaded(repeat("(;", kNestedVariations) + "(;)");
    ASSERT_EQ(loaded.messages.boxes.size(), kNestedVariations);
    EXPECT_EQ(loaded.messages.boxes.front().text, box(kFileData, ""));
    EXPECT_EQ(loaded.messages.boxes.back().text, box(kFileData, ""));
    EXPECT_FALSE(loaded.messages.exited());
    EXPECT_FALSE(loaded.engine.isLoaded());
    EXPECT_EQ(loaded.engine.cursor, nullptr);
}

constexpr std::size_t kChainNodes = 1000000;
constexpr int kChainStepsDown = 60;

TEST(HostileLibrary, ChainOfAMillionNodesLoadsAndBrowses)
{
    // Two stones, then empty nodes down to the millionth.
    std::string text = "(;;B[dd];W[pp]";
    text += std::string(kChainNodes - 3, ';');
    text += ")";
    Loaded loaded(text);
    EXPECT_TRUE(loaded.messages.boxes.empty());
    ASSERT_TRUE(loaded.engine.isLoaded());
    JosekiEngine& engine = loaded.engine;

    for (int step = 0; step < kChainStepsDown; ++step) {
        ASSERT_EQ(engine.candidateCount, 1);
        engine.stepTo(engine.candidates[0].col, engine.candidates[0].row);
    }
    expectSafeToPaint(engine);
    EXPECT_EQ(engine.stoneCount, 2);
    EXPECT_EQ(engine.book.at(3, 3), kBlack);
    EXPECT_EQ(engine.book.at(15, 15), kWhite);

    // No choice on the way: 上分支 walks all the way up.
    engine.upBranch();
    EXPECT_EQ(engine.cursor, engine.root);
    EXPECT_EQ(engine.stoneCount, 0);
    EXPECT_TRUE(loaded.messages.boxes.empty());
}

constexpr int kWideChildren = 10000;

TEST(HostileLibrary, TenThousandChildrenListTwentyOneAndReportOncePerRefresh)
{
    std::string text = "(;";
    for (int i = 0; i < kWideChildren; ++i)
        text += "(;B[" + pointLetters(i % kPointCount) + "])";
    text += ")";

    test::FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller(view, view, messages,
                                 [&text](JosekiEngine& engine) { loadLibraryText(engine, text); });
    controller.initialise();
    controller.completeStartup();
    const JosekiEngine& engine = controller.engine();
    ASSERT_TRUE(engine.isLoaded());
    const std::vector<std::string> oneReport{box(kTooManyBranches, "")};
    EXPECT_EQ(messages.texts(), oneReport);
    ASSERT_EQ(engine.candidateCount, kListedBranches);
    for (int i = 0; i < kListedBranches; ++i)
        EXPECT_EQ(engine.candidates[static_cast<std::size_t>(i)], (Point{i / kBoardSize, i % kBoardSize}));

    // A child past the 21st is no candidate: the click does nothing.
    const int unlisted = kListedBranches + 5;
    controller.choosePoint(unlisted / kBoardSize, unlisted % kBoardSize);
    EXPECT_EQ(engine.cursor, engine.root);
    EXPECT_EQ(messages.boxes.size(), 1U);

    // The last listed candidate is a leaf: no report there; back at the root one more.
    const Point last = engine.candidates[kListedBranches - 1];
    controller.choosePoint(last.col, last.row);
    EXPECT_NE(engine.cursor, engine.root);
    EXPECT_EQ(engine.stoneCount, 1);
    EXPECT_EQ(messages.boxes.size(), 1U);
    controller.onBack();
    EXPECT_EQ(engine.cursor, engine.root);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{oneReport[0], oneReport[0]}));
    expectSafeToPaint(engine);
}

// --- long values --------------------------------------------------------------

constexpr std::size_t kHugeComment = 700000;

struct LongValueCase {
    const char* name;
    std::string value;
};

TEST(HostileLibrary, HugeCommentKeepsItsFirstKilobyteAndReadingGoesOn)
{
    std::string letters(kHugeComment, ' ');
    for (std::size_t i = 0; i < letters.size(); ++i)
        letters[i] = static_cast<char>('a' + i % 26);
    const std::string characters = repeat(kGbkCharacter, kHugeComment / kGbkCharacter.size());
    const LongValueCase cases[] = {
        {"letters", letters},
        // 63 whole characters, then the excerpt ends on a lead byte.
        {"characters", characters},
        // The kept kilobyte ends on a lead byte.
        {"a letter then characters", "x" + characters},
    };
    for (const LongValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded loaded("(;C[" + c.value + "];B[dd])");
        EXPECT_EQ(loaded.messages.texts(), std::vector<std::string>{box(kTooLong, c.value)});
        EXPECT_FALSE(loaded.messages.exited());
        ASSERT_TRUE(loaded.engine.isLoaded());
        EXPECT_EQ(std::string(loaded.engine.root->comment), c.value.substr(0, kValueLimit));
        ASSERT_EQ(loaded.engine.candidateCount, 1);
        EXPECT_EQ(loaded.engine.candidates[0], (Point{3, 3}));
    }
}

TEST(HostileLibrary, ExcerptsMayEndInsideADoubleByteCharacter)
{
    const std::string characters = repeat(kGbkCharacter, kExcerptLimit);
    struct Case {
        const char* name;
        std::string text;
        std::string box;
        bool fatal;
    };
    const Case cases[] = {
        {"unclosed sequence", "(;B[dd](;W[pp])" + characters, box(kFileData, characters), false},
        {"identifier too long", "(;" + characters + "[x])", box("未明的关键词", characters), true},
        {"missing bracket", "(;B[dd];" + characters, box(kFileError, characters), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded loaded(c.text);
        ASSERT_EQ(loaded.messages.texts(), std::vector<std::string>{c.box});
        // Message, separator, then 63 characters and half of the 64th.
        EXPECT_EQ(static_cast<unsigned char>(c.box.back()), static_cast<unsigned char>(kGbkCharacter[0]));
        EXPECT_EQ(loaded.messages.exited(), c.fatal);
        EXPECT_FALSE(loaded.engine.isLoaded());
    }

    // A branch-information report quotes the stored text the same way.
    Loaded labels("(;;LB[" + characters + "])");
    EXPECT_TRUE(labels.messages.boxes.empty());
    labels.engine.stepTo(kNoMove, kNoMove);
    EXPECT_EQ(labels.messages.texts(), std::vector<std::string>{box(kBadBranchInfo, characters)});
    EXPECT_EQ(labels.engine.branchLabelCount, 0);
}

// --- every byte as a coordinate ----------------------------------------------

bool isCoordinateByte(unsigned char c) { return c >= 'a' && c <= 't'; }
bool isLabelCoordinateByte(unsigned char c) { return c >= 'a' && c <= 's'; }
// Bytes the reader strips from branch information.
bool isStrippedFromLabels(unsigned char c) { return c == ' ' || c == '\r' || c == '\n'; }
// A "]" always closes the value, so it never reaches a coordinate check.
constexpr unsigned char kCloseBracket = ']';
constexpr int kFirstByte = 0x01;
constexpr int kLastByte = 0xFF;

const char* const kPointProperties[] = {"B", "W", "TR", "CR", "SQ", "SL", "MA"};

// The expected point of a coordinate pair whose letters passed the check.
Point expectedPoint(unsigned char colLetter, unsigned char rowLetter)
{
    const int col = colLetter - 'a';
    const int row = rowLetter - 'a';
    if (col == kNoMove || row == kNoMove)
        return {kNoMove, kNoMove};
    return {col, row};
}

// Loads "(;;ID[value])", steps onto the node and checks that nothing off the board was used.
// A "]" closes the value early and leaves text the reader may refuse; whatever
// it makes of it, a tree it keeps is browsed safely.
bool browseIfLoaded(JosekiEngine& engine)
{
    if (!engine.isLoaded())
        return false;
    engine.stepTo(engine.candidates[0].col, engine.candidates[0].row);
    expectSafeToPaint(engine);
    return true;
}

void checkPointProperty(const std::string& identifier, const std::string& value, int byte)
{
    SCOPED_TRACE(identifier + "[" + value + "] byte " + std::to_string(byte));
    const std::string text = "(;;" + identifier + "[" + value + "])";
    Loaded loaded(text);
    if (byte == kCloseBracket) {
        browseIfLoaded(loaded.engine);
        return;
    }
    ASSERT_TRUE(browseIfLoaded(loaded.engine));
    const VariationNode& node = *loaded.engine.root->firstChild;

    const auto colLetter = static_cast<unsigned char>(value[0]);
    const auto rowLetter = static_cast<unsigned char>(value[1]);
    const bool valid = isCoordinateByte(colLetter) && isCoordinateByte(rowLetter);
    std::vector<std::string> boxes = escapeWarnings(text);
    if (!valid)
        boxes.push_back(box(kBadCoordinate, value));
    EXPECT_EQ(loaded.messages.texts(), boxes);
    EXPECT_FALSE(loaded.messages.exited());

    const Point expected = valid ? expectedPoint(colLetter, rowLetter) : Point{};
    const bool isMove = identifier == "B" || identifier == "W";
    if (isMove) {
        EXPECT_EQ((Point{node.col, node.row}), expected);
        EXPECT_EQ(loaded.engine.stoneCount, onBoard(expected.col, expected.row) ? 1 : 0);
    } else if (valid) {
        ASSERT_NE(node.marks, nullptr);
        EXPECT_EQ((Point{node.marks->col, node.marks->row}), expected);
    } else {
        EXPECT_EQ(node.marks, nullptr);
    }
}

TEST(HostileLibrary, EveryByteAsAMoveOrMarkCoordinateStaysOnTheBoard)
{
    for (const char* identifier : kPointProperties) {
        for (int byte = kFirstByte; byte <= kLastByte; ++byte) {
            const char c = static_cast<char>(byte);
            checkPointProperty(identifier, std::string{c, 'a'}, byte);
            checkPointProperty(identifier, std::string{'a', c}, byte);
        }
    }
}

// Loads "(;;LB[info])", steps onto the node and checks the label or the report there.
void checkLabels(const std::string& info, unsigned char byte, bool expectLabel, Point at, char label)
{
    SCOPED_TRACE("LB[" + info + "] byte " + std::to_string(byte));
    const std::string text = "(;;LB[" + info + "])";
    Loaded loaded(text);
    if (byte == kCloseBracket) {
        browseIfLoaded(loaded.engine);
        return;
    }
    std::vector<std::string> boxes = escapeWarnings(text);
    EXPECT_EQ(loaded.messages.texts(), boxes);
    ASSERT_TRUE(browseIfLoaded(loaded.engine));

    if (expectLabel) {
        ASSERT_EQ(loaded.engine.branchLabelCount, 1);
        EXPECT_EQ(loaded.engine.labelBoard[static_cast<std::size_t>(pointIndex(at.col, at.row))], label);
    } else {
        EXPECT_EQ(loaded.engine.branchLabelCount, 0);
        EXPECT_TRUE(std::all_of(loaded.engine.labelBoard.begin(), loaded.engine.labelBoard.end(),
                                [](char c) { return c == 0; }));
        std::string stored = info;
        stored.erase(std::remove_if(stored.begin(), stored.end(),
                                    [](char c) { return isStrippedFromLabels(static_cast<unsigned char>(c)); }),
                     stored.end());
        boxes.push_back(box(kBadBranchInfo, stored));
    }
    EXPECT_EQ(loaded.messages.texts(), boxes);
}

TEST(HostileLibrary, EveryByteInBranchInformationIsPlacedOrReported)
{
    for (int value = kFirstByte; value <= kLastByte; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        const char c = static_cast<char>(value);
        const bool letter = isLabelCoordinateByte(byte);
        checkLabels(std::string{c, 'a', ':', 'A'}, byte, letter, {byte - 'a', 0}, 'A');
        checkLabels(std::string{'a', c, ':', 'A'}, byte, letter, {0, byte - 'a'}, 'A');
        // Any byte serves as the label itself, unless the reader strips it.
        checkLabels(std::string{'d', 'd', ':', c}, byte, !isStrippedFromLabels(byte), {3, 3}, c);
    }
}

// --- zero bytes, invalid GBK, texts cut short ---------------------------------

struct OutcomeCase {
    const char* name;
    std::string text;
    std::vector<std::string> boxes;
    enum { Loads, NoTree, Fatal } outcome;
};

void checkOutcome(const OutcomeCase& c)
{
    SCOPED_TRACE(c.name);
    Loaded loaded(c.text);
    switch (c.outcome) {
    case OutcomeCase::Fatal:
        expectRefused(loaded, c.boxes);
        break;
    case OutcomeCase::NoTree:
        EXPECT_EQ(loaded.messages.texts(), c.boxes);
        EXPECT_FALSE(loaded.messages.exited());
        EXPECT_FALSE(loaded.engine.isLoaded());
        EXPECT_EQ(loaded.engine.cursor, nullptr);
        break;
    case OutcomeCase::Loads:
        EXPECT_EQ(loaded.messages.texts(), c.boxes);
        EXPECT_FALSE(loaded.messages.exited());
        ASSERT_TRUE(loaded.engine.isLoaded());
        expectSafeToPaint(loaded.engine);
        break;
    }
}

TEST(HostileLibrary, AZeroByteEndsTheText)
{
    using namespace std::string_literals;
    const OutcomeCase cases[] = {
        {"inside a value", "(;C[ab\0cd])"s, {box(kFileError, "C[ab")}, OutcomeCase::Fatal},
        {"inside a move", "(;B[d\0d])"s, {box(kFileError, "B[d")}, OutcomeCase::Fatal},
        {"after a node body", "(;B[dd]\0;W[pp])"s, {box(kFileError, "")}, OutcomeCase::Fatal},
        {"after a variation", "(;B[dd](;W[pp])\0)"s, {box(kFileData, "")}, OutcomeCase::NoTree},
        {"after the library", "(;C[ab])\0(;x"s, {}, OutcomeCase::Loads},
        {"at the very start", "\0(;B[dd])"s, {box("错误的SGF：", ""), box(kFileError, "")}, OutcomeCase::Fatal},
    };
    for (const OutcomeCase& c : cases)
        checkOutcome(c);
}

TEST(HostileLibrary, ALibraryEndingInsideAPropertyIsRefused)
{
    const OutcomeCase cases[] = {
        {"inside a move value", "(;B[dd];W[p", {box(kFileError, "W[p")}, OutcomeCase::Fatal},
        {"after an identifier", "(;B[dd];W", {box(kFileError, "W")}, OutcomeCase::Fatal},
        {"inside a comment", "(;C[abc", {box(kFileError, "C[abc")}, OutcomeCase::Fatal},
        {"inside a further value", "(;B[dd](;W[pp]LB[aa:A][bb", {box(kFileError, "LB[aa:A][bb")}, OutcomeCase::Fatal},
        {"open further value", "(;B[dd]AB[pp][", {box(kFileError, "AB[pp][")}, OutcomeCase::Fatal},
        {"after a node", "(;B[dd];", {box(kFileError, "")}, OutcomeCase::Fatal},
        {"after a variation", "(;B[dd](;W[pp])", {box(kFileData, "")}, OutcomeCase::NoTree},
    };
    for (const OutcomeCase& c : cases)
        checkOutcome(c);
}

TEST(HostileLibrary, InvalidGbkBytesAreKeptAsTheyAre)
{
    struct Case {
        const char* name;
        std::string comment;
        std::string stored;
    };
    const Case cases[] = {
        {"bytes that start no character", "\x80\xFF", "\x80\xFF"},
        {"a lead byte at the end", "a\x81", "a\x81"},
        {"a lead byte before the colon escape", "\x81\\:", "\x81\\:"},
        {"a lead byte with an invalid trail", "\x81\x7F\\:", "\x81\x7F:"},
        {"0xFF is no lead byte", "\xFF\\:", "\xFF:"},
        {"control bytes", "\x01\x02\x1F\x7F", "\x01\x02\x1F\x7F"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded loaded("(;C[" + c.comment + "]N[" + c.comment + "])");
        EXPECT_TRUE(loaded.messages.boxes.empty());
        ASSERT_TRUE(loaded.engine.isLoaded());
        EXPECT_EQ(std::string(loaded.engine.root->comment), c.stored);
        EXPECT_EQ(std::string(loaded.engine.root->name), c.stored);
    }
}

// --- the container --------------------------------------------------------------

struct ContainerLoaded {
    explicit ContainerLoaded(const std::string& image)
    {
        test::TempDir dir;
        test::writeFile(dir / "browser", image);
        EXPECT_TRUE(loadJosekiLibrary(engine, (dir / "browser").string()));
    }

    RecordingMessageService messages;
    JosekiEngine engine{messages};
};

// A library of exactly `length` bytes: a root with one child, blanks, then ")".
std::string libraryOfLength(std::size_t length)
{
    const std::string head = "(;C[root](;B[dd])";
    return head + std::string(length - head.size() - 1, ' ') + ")";
}

// The bytes after the zero are never unscrambled or read.
std::string imageWithZeroAfter(const std::string& text)
{
    std::string image = test::programImage(text);
    const std::size_t afterZero = image.size() - kContainerTextLength + text.size() + 1;
    std::fill(image.begin() + static_cast<std::ptrdiff_t>(afterZero), image.end(), '\x7F');
    return image;
}

TEST(HostileLibrary, TextsAtTheContainersLimits)
{
    const struct {
        const char* name;
        std::string image;
        std::vector<std::string> boxes;
        bool loads;
    } cases[] = {
        {"a text filling the container exactly", test::programImage(libraryOfLength(kContainerTextLength)), {}, true},
        // The last byte is lost, and nothing beyond the container is read.
        {"a text one byte too long",
         test::programImage(libraryOfLength(kContainerTextLength + 1)),
         {box(kFileData, "")},
         false},
        {"a zero byte inside the container", imageWithZeroAfter("(;B[dd](;W[pp])"), {box(kFileData, "")}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ContainerLoaded loaded(c.image);
        EXPECT_EQ(loaded.messages.texts(), c.boxes);
        EXPECT_FALSE(loaded.messages.exited());
        ASSERT_EQ(loaded.engine.isLoaded(), c.loads);
        if (c.loads) {
            EXPECT_STREQ(loaded.engine.root->comment, "root");
            EXPECT_EQ(loaded.engine.candidateCount, 1);
        }
    }
}

// --- the browser on a refused library ---------------------------------------------

TEST(HostileLibrary, CommandsAfterARefusedLibraryDoNothing)
{
    test::FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller(view, view, messages,
                                 [](JosekiEngine& engine) { loadLibraryText(engine, "(;B[dd];W[p"); });
    controller.initialise();
    controller.completeStartup();
    EXPECT_EQ(messages.exits, std::vector<int>{kFatalLibraryExitStatus});
    const std::size_t boxesAfterLoad = messages.boxes.size();

    controller.choosePoint(3, 3);
    controller.onNext();
    controller.onBack();
    controller.onTenuki();
    controller.onUpBranch();
    controller.onCollectStones();
    controller.onAutoPlay();
    controller.onTrialStart();
    controller.choosePoint(3, 3);
    controller.onTrialEnd();
    EXPECT_EQ(controller.engine().cursor, nullptr);
    EXPECT_EQ(controller.display().trialMode, 0);
    EXPECT_EQ(messages.boxes.size(), boxesAfterLoad);
}

} // namespace
} // namespace joseki

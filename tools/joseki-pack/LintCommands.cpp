#include "LintCommands.h"

#include "FrequencyTree.h"
#include "GbkText.h"
#include "LeadClause.h"
#include "LibraryInspector.h"
#include "LineWalk.h"
#include "Linter.h"
#include "MovePaths.h"
#include "MoveShape.h"
#include "OutputFile.h"
#include "PrintingMessageService.h"
#include "ShapeDescription.h"

#include "core/JosekiEngine.h"
#include "core/Rules.h"
#include "core/VariationNode.h"

#include <cstdio>
#include <optional>

namespace joseki::pack::linting {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

// Past this many findings only their number is printed.
constexpr std::size_t kListedFindings = 10000;

void printLine(const std::string& gbk) { std::printf("%s\n", GbkText::toDisplayUtf8(gbk).c_str()); }

// Reads the library; false after saying why on standard output (the
// browser's own fatal reports) or standard error (the file).
bool readLibrary(const std::string& path, JosekiEngine& engine, const PrintingMessageService& messages)
{
    std::string_view text;
    if (!LibraryInspector::readFile(path, engine, text))
        return false;
    if (messages.exitRequested()) {
        std::printf("fatal: %s: the browser would end here with exit status %d\n", path.c_str(), messages.exitStatus());
        return false;
    }
    if (!engine.isLoaded()) {
        std::printf("fatal: %s: no tree was read; the browser would show an empty board\n", path.c_str());
        return false;
    }
    return true;
}

bool readFrequencies(const std::string& path, FrequencyTree& tree)
{
    std::string text;
    std::string error;
    if (!OutputFile::readAll(path, text, error) || !tree.read(text, error)) {
        std::fprintf(stderr, "joseki-pack: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    return true;
}

std::string describeMove(const VariationNode& node, Stones& board)
{
    if (!node.hasMove())
        return "tenuki";
    const Point move{node.col, node.row};
    if (board[static_cast<std::size_t>(pointIndex(move))] != kEmpty)
        return "a move to an occupied point";
    const std::int8_t colour = stoneForColourLetter(node.color);
    std::string line = description::ofShape(shape::classify(board, move, colour));
    rules::playMove(board, move.col, move.row, colour);
    const std::optional<LeadClause> clause = LeadClause::of(node.comment ? node.comment : "", colour);
    line += clause.has_value() ? "; lead clause \"" + clause->text() + "\"" : "; no lead clause judged";
    return line;
}

} // namespace

int lint(const std::string& libraryPath, const std::string& statsPath)
{
    PrintingMessageService messages;
    JosekiEngine engine(messages);
    if (!readLibrary(libraryPath, engine, messages))
        return kFailure;
    std::optional<FrequencyTree> frequencies;
    if (!statsPath.empty() && !readFrequencies(statsPath, frequencies.emplace()))
        return kFailure;
    const std::vector<std::string> findings = Linter(engine.root, frequencies ? &*frequencies : nullptr).run();
    for (std::size_t i = 0; i < findings.size() && i < kListedFindings; ++i)
        printLine(findings[i]);
    if (findings.size() > kListedFindings)
        std::printf("%zu more finding(s) not listed\n", findings.size() - kListedFindings);
    return messages.boxCount() == 0 && findings.empty() ? kSuccess : kFailure;
}

int describe(const std::string& libraryPath)
{
    PrintingMessageService messages(stderr);
    JosekiEngine engine(messages);
    if (!readLibrary(libraryPath, engine, messages))
        return kFailure;
    for (const std::string& line : describeTree(engine.root))
        printLine(line);
    return kSuccess;
}

std::vector<std::string> describeTree(const VariationNode* root)
{
    std::vector<std::string> lines;
    MovePaths paths;
    std::vector<std::size_t> line; // the path numbers of the current line, by depth
    walkLines(root, Stones{}, [&](const VariationNode& node, std::size_t depth, Stones& board) {
        line.resize(depth + 1);
        line[depth] = paths.add(depth == 0 ? MovePaths::kNoParent : line[depth - 1], depth == 0 ? '\0' : node.color,
                                {node.col, node.row});
        if (depth > 0 && node.color != 0)
            lines.push_back(paths.name(line[depth]) + ": " + describeMove(node, board));
    });
    return lines;
}

} // namespace joseki::pack::linting

#include "LibraryInspector.h"

#include "OutputFile.h"
#include "PathFollower.h"
#include "PrintingMessageService.h"
#include "TreeChecker.h"

#include "core/BrowsedLine.h"
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "library/SgfLineWriter.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace joseki::pack {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

// Loads the file's bytes into the engine's text buffer and reads them; the
// text ends at its first zero byte, as it would in the browser. `text` gets
// the whole file as it stands in the buffer.
bool readWithSystemReader(const std::string& path, JosekiEngine& engine, std::string_view& text)
{
    const std::optional<std::size_t> length = loadLibraryFile(engine, path);
    if (!length) {
        // Read again only to name the problem.
        std::string bytes;
        std::string error = path + ": cannot be read";
        OutputFile::readAll(path, bytes, error);
        std::fprintf(stderr, "joseki-pack: %s\n", error.c_str());
        return false;
    }
    text = std::string_view(engine.textBuffer.get(), *length);
    return true;
}

// Problems of the text as a whole that the browser would not report.
std::vector<std::string> textWarnings(std::string_view text)
{
    std::vector<std::string> warnings;
    const std::size_t zero = text.find('\0');
    if (zero != std::string_view::npos)
        warnings.push_back("a zero byte at offset " + std::to_string(zero) + " ends the text there");
    if (text.size() > kContainerTextLength)
        warnings.push_back("the text of " + std::to_string(text.size()) + " bytes does not fit a container (at most " +
                           std::to_string(kContainerTextLength) + " bytes)");
    return warnings;
}

} // namespace

bool LibraryInspector::readFile(const std::string& path, JosekiEngine& engine, std::string_view& text)
{
    return readWithSystemReader(path, engine, text);
}

int LibraryInspector::check(const std::string& libraryPath)
{
    PrintingMessageService messages;
    JosekiEngine engine(messages);
    std::string_view text;
    if (!readWithSystemReader(libraryPath, engine, text))
        return kFailure;
    if (messages.exitRequested())
        std::printf("fatal: %s: the browser would end here with exit status %d\n", libraryPath.c_str(),
                    messages.exitStatus());
    else if (!engine.isLoaded())
        std::printf("fatal: %s: no tree was read; the browser would show an empty board\n", libraryPath.c_str());
    std::vector<std::string> warnings = textWarnings(text);
    for (std::string& warning : TreeChecker::check(engine.root))
        warnings.push_back(std::move(warning));
    for (const std::string& warning : warnings)
        std::printf("warning: %s: %s\n", libraryPath.c_str(), warning.c_str());
    const bool clean = messages.boxCount() == 0 && !messages.exitRequested() && engine.isLoaded() && warnings.empty();
    return clean ? kSuccess : kFailure;
}

int LibraryInspector::stats(const std::string& libraryPath)
{
    PrintingMessageService messages(stderr);
    JosekiEngine engine(messages);
    std::string_view text;
    if (!readWithSystemReader(libraryPath, engine, text))
        return kFailure;
    const TreeStats stats = TreeChecker::measure(engine.root);
    std::printf("nodes %zu leaves %zu depth %zu branches %zu maxchildren %zu bytes %zu\n", stats.nodes, stats.leaves,
                stats.depth, stats.branches, stats.maxChildren, text.size());
    return engine.isLoaded() ? kSuccess : kFailure;
}

int LibraryInspector::exportLine(const std::string& libraryPath, const std::vector<std::string>& path)
{
    // Standard output carries the SGF alone.
    PrintingMessageService messages(stderr);
    JosekiEngine engine(messages);
    std::string_view text;
    if (!readWithSystemReader(libraryPath, engine, text))
        return kFailure;
    if (messages.exitRequested() || !engine.isLoaded()) {
        std::fprintf(stderr, "joseki-pack: %s: no tree was read\n", libraryPath.c_str());
        return kFailure;
    }
    BrowsedLine line;
    std::string problem;
    if (!PathFollower::follow(*engine.root, path, line.bookNodes, problem)) {
        std::fprintf(stderr, "joseki-pack: %s: %s\n", libraryPath.c_str(), problem.c_str());
        return kFailure;
    }
    const std::string sgf = SgfLineWriter::write(line);
    std::fwrite(sgf.data(), 1, sgf.size(), stdout);
    return kSuccess;
}

} // namespace joseki::pack

#include "library/LibraryLoader.h"

#include "core/JosekiEngine.h"
#include "core/MessageService.h"
#include "core/NodeArena.h"
#include "library/LibraryTexts.h"
#include "library/SgfReader.h"
#include "library/TextScrambler.h"

#include <cstring>
#include <fstream>
#include <memory>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <cstdint>
#include <mach-o/dyld.h>
#endif

namespace joseki {

const char kContainerMagic[kMagicLength] = {'K', 'a', 'v', 'o', '\xB6', '\xA8', '\xCA', '\xBD', 'D', 'A', 'T'};

namespace {

constexpr char kBackslash = '\\';
constexpr char kColon = ':';
#if defined(_WIN32) || defined(__APPLE__)
// Size of the buffer the platform fills with the executable's path.
constexpr std::size_t kPathBufferSize = 260;
#endif

// Ends the process after a library problem that leaves nothing to read. The
// status says failure; if the message service returns (tests), the caller
// stops reading at once.
void endAfterFatalReport(JosekiEngine& engine) { engine.messages().exitProcess(kFatalLibraryExitStatus); }

// Warns once for every backslash that does not start the "\:" escape. Every
// 0x5C byte counts, also the second byte of a double-byte character.
// Returns the position just after the last backslash, or null when there is none.
const char* warnAboutStrayBackslashes(JosekiEngine& engine, const char* text)
{
    const char* afterLast = nullptr;
    for (const char* p = std::strchr(text, kBackslash); p != nullptr; p = std::strchr(p + 1, kBackslash)) {
        if (p[1] != kColon)
            engine.reportDataError(libraryTexts::kStrayEscape, p);
        afterLast = p + 1;
    }
    return afterLast;
}

// A text buffer of `length` bytes and its terminator, uninitialised: every
// byte is written before it is read.
void makeTextBuffer(JosekiEngine& engine, std::size_t length)
{
    engine.textBufferSize = length + 1;
    engine.textBuffer.reset(new char[engine.textBufferSize]);
    engine.textBuffer[length] = '\0';
    engine.readPos = engine.textBuffer.get();
}

// Reads the container at the end of the open file into a fresh text buffer,
// terminated after the container.
void readContainer(JosekiEngine& engine, std::ifstream& file, std::streamoff fileLength)
{
    engine.textBufferSize = kContainerLength + 1;
    engine.textBuffer = std::make_unique<char[]>(engine.textBufferSize);
    engine.readPos = engine.textBuffer.get();
    file.seekg(fileLength - static_cast<std::streamoff>(kContainerLength), std::ios::beg);
    file.read(engine.textBuffer.get(), static_cast<std::streamsize>(kContainerLength));
    engine.textBuffer[kContainerLength] = '\0';
}

} // namespace

std::string ownExecutablePath()
{
#if defined(_WIN32)
    char buffer[kPathBufferSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(kPathBufferSize));
    return length == 0 ? std::string() : std::string(buffer, length);
#elif defined(__APPLE__)
    char buffer[kPathBufferSize] = {};
    std::uint32_t size = kPathBufferSize;
    return _NSGetExecutablePath(buffer, &size) == 0 ? std::string(buffer) : std::string();
#else
    // The kernel's link to the running image opens the right file even after
    // the program was moved or renamed.
    return "/proc/self/exe";
#endif
}

bool loadJosekiLibrary(JosekiEngine& engine, const std::string& executablePath)
{
    std::ifstream file(executablePath, std::ios::binary);
    if (!file.is_open()) {
        engine.reportDataError("Error", std::string_view(libraryTexts::kLoadFailed));
        endAfterFatalReport(engine);
        return true;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff fileLength = file.tellg();
    if (fileLength < static_cast<std::streamoff>(kMinimumExecutableLength)) {
        engine.messages().showMessageBox(libraryTexts::kFileTooShort, mb::kOk);
        endAfterFatalReport(engine);
        return true;
    }
    readContainer(engine, file, fileLength);
    file.close();

    char* buffer = engine.textBuffer.get();
    if (std::memcmp(buffer, kContainerMagic, kMagicLength) != 0) {
        engine.reportDataError(libraryTexts::kDataFileError, std::string_view());
        endAfterFatalReport(engine);
        return true;
    }
    std::memmove(buffer, buffer + kMagicLength, kContainerTextLength);
    buffer[kContainerTextLength] = '\0';
    TextScrambler::descramble(buffer);
    readLibraryText(engine);
    return true;
}

void setLibraryText(JosekiEngine& engine, std::string_view text)
{
    makeTextBuffer(engine, text.size());
    text.copy(engine.textBuffer.get(), text.size());
    engine.textBuffer[text.size()] = '\0';
    engine.readPos = engine.textBuffer.get();
}

void loadLibraryText(JosekiEngine& engine, std::string_view text)
{
    setLibraryText(engine, text);
    readLibraryText(engine);
}

std::optional<std::size_t> loadLibraryFile(JosekiEngine& engine, const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file.is_open())
        return std::nullopt;
    const std::streamoff length = file.tellg();
    if (length < 0)
        return std::nullopt;
    file.seekg(0, std::ios::beg);
    makeTextBuffer(engine, static_cast<std::size_t>(length));
    // Read straight into the buffer: a second copy of a large text costs more
    // in fresh pages than the reading itself.
    if (!file.read(engine.textBuffer.get(), static_cast<std::streamsize>(length))) {
        engine.textBuffer.reset();
        engine.textBufferSize = 0;
        engine.readPos = nullptr;
        return std::nullopt;
    }
    readLibraryText(engine);
    return static_cast<std::size_t>(length);
}

void readLibraryText(JosekiEngine& engine)
{
    const char* text = engine.textBuffer.get();
    engine.readPos = text;
    const char* afterLastBackslash = warnAboutStrayBackslashes(engine, text);

    // The tree is built in an arena of its own, which the engine takes only
    // once the whole tree is read; on a fatal stop it goes in one release.
    NodeArena tree;
    SgfReader reader(engine, tree);
    reader.skipWhitespace();
    if (engine.readPos[0] != '(' || engine.readPos[1] != ';')
        engine.reportDataError(libraryTexts::kBadSgf, afterLastBackslash != nullptr ? afterLastBackslash : text);
    // Read on as though "(;" stood there; a text shorter than two bytes has
    // nothing to step over past its terminator.
    for (int step = 0; step < 2 && *engine.readPos != '\0'; ++step)
        ++engine.readPos;

    VariationNode* root = reader.readSequence(nullptr);
    if (reader.fatal() || root == nullptr)
        return;
    engine.adoptTree(std::move(tree), root);
    engine.resetToRoot();
}

} // namespace joseki

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace joseki {

class JosekiEngine;

// The container: the last kContainerLength bytes of the executable file.
inline constexpr std::size_t kMagicLength = 11;
inline constexpr std::size_t kContainerTextLength = 721919;
inline constexpr std::size_t kContainerLength = kMagicLength + kContainerTextLength; // 721,930
inline constexpr std::size_t kMinimumExecutableLength = 764330;
// "Kavo定式DAT" in GBK.
extern const char kContainerMagic[kMagicLength];

// Full path of the running program's own executable file; empty if unknown.
std::string ownExecutablePath();

// Finds the container at the end of the file, checks it, unscrambles the text
// and reads it into the engine's tree, with the cursor on the root. A fatal
// problem is reported and ends the process through the engine's message
// service; if that returns, the engine is left without a tree. Returns true.
bool loadJosekiLibrary(JosekiEngine& engine, const std::string& executablePath);

// With the library text already in engine.textBuffer (NUL-terminated): the
// escape check, the "(;" check, reading and resetToRoot, exactly as at start.
// Without a root (the reader gave none) the cursor is left unset.
void readLibraryText(JosekiEngine& engine);

// Puts a copy of the text into the engine's text buffer, NUL-terminated (the
// text ends at its first zero byte, as a container's would), with the read
// position at its start.
void setLibraryText(JosekiEngine& engine, std::string_view text);
// setLibraryText, then readLibraryText: a library read exactly as at start,
// from a text rather than from the container.
void loadLibraryText(JosekiEngine& engine, std::string_view text);
// The same with the whole file as the text, read into the buffer directly.
// Returns the file's length, or nothing (and reads nothing) when it cannot be read.
std::optional<std::size_t> loadLibraryFile(JosekiEngine& engine, const std::string& path);

} // namespace joseki

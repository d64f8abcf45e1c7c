#pragma once

#include <string>

namespace joseki::pack {

// Makes the container the browser finds at the end of its own executable file:
// the magic, the scrambled library text, zero bytes up to the fixed length.
namespace ContainerWriter {

// Builds the container of `text`; false, with `error` set, for a text that
// does not fit or that holds a zero byte (it would end the text early).
bool build(const std::string& text, std::string& container, std::string& error);

// `joseki-pack pack LIB OUT`: writes the container of LIB to OUT. Returns the exit status.
int pack(const std::string& libraryPath, const std::string& outputPath);

// `joseki-pack append EXE LIB OUT`: the program image followed by the
// container of LIB, with EXE's executable bits. A container already at
// the end of EXE is replaced, and an image too short for the browser's
// length check is padded with zero bytes. Returns the exit status.
int append(const std::string& executablePath, const std::string& libraryPath, const std::string& outputPath);

} // namespace ContainerWriter

} // namespace joseki::pack

#pragma once

#include <filesystem>
#include <string>

namespace joseki::pack {

// Reading inputs and writing outputs so that a failure never leaves a
// half-written or overwritten file behind.
namespace OutputFile {

// Reads a whole file; on failure `error` names the file and the problem.
bool readAll(const std::filesystem::path& path, std::string& bytes, std::string& error);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`; with `executableFrom`, the result also gets that file's
// executable permission bits. On failure nothing at `path` changes.
bool writeAtomically(const std::filesystem::path& path, const std::string& bytes, std::string& error,
                     const std::filesystem::path& executableFrom = {});

} // namespace OutputFile

} // namespace joseki::pack

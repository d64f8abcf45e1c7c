#pragma once

#include <filesystem>
#include <string>

namespace joseki::test {

// Reads a whole file as bytes; fails the test when it cannot.
std::string readFile(const std::filesystem::path& path);
// Writes bytes to a file, replacing it.
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// A fresh directory under the system's temporary folder, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Paths of the fixtures folder and of the shared real-world corpus.
std::filesystem::path testDataPath(const std::string& name);
std::filesystem::path corpusPath(const std::string& name);

} // namespace joseki::test

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace joseki::test {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << path;
}

TempDir::TempDir()
{
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    std::ostringstream name;
    name << "joseki-test-" << seed() << "-" << counter++;
    path_ = std::filesystem::temp_directory_path() / name.str();
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path testDataPath(const std::string& name)
{
    return std::filesystem::path(JOSEKI_TEST_DATA_DIR) / name;
}

std::filesystem::path corpusPath(const std::string& name)
{
    return std::filesystem::path(JOSEKI_SHARED_DIR) / "corpus" / name;
}

} // namespace joseki::test

#include "bench/BenchSupport.h"

#include "bench/LibraryGenerator.h"
#include "library/LibraryLoader.h"
#include "library/TextScrambler.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace joseki::bench {

namespace {

struct TemporaryExecutable {
    std::string path;
    TemporaryExecutable()
    {
        path = (std::filesystem::temp_directory_path() / "joseki-bench-executable").string();
        std::string container(kContainerLength, '\0');
        std::copy(kContainerMagic, kContainerMagic + kMagicLength, container.begin());
        std::string text = benchmarkLibrary();
        TextScrambler::scramble(text.data());
        std::copy(text.begin(), text.end(), container.begin() + static_cast<std::ptrdiff_t>(kMagicLength));
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string image(kMinimumExecutableLength - kContainerLength, 'P');
        out << image << container;
    }
    ~TemporaryExecutable() { std::remove(path.c_str()); }
};

} // namespace

const std::string& benchmarkLibrary()
{
    static const std::string text = generateLibrary(kContainerTextLength);
    return text;
}

const std::string& benchmarkExecutable()
{
    static const TemporaryExecutable file;
    return file.path;
}

} // namespace joseki::bench

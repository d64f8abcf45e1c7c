// The whole load path on arbitrary container bytes: length and magic checks,
// unscrambling, the escape check, the reader and the reset to the root. The
// input becomes the container at the end of an executable-sized file.
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/fuzz/SilentMessageService.h"

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Bytes of program image in front of the container.
constexpr std::size_t kImageLength = joseki::kMinimumExecutableLength - joseki::kContainerLength;

const std::string& scratchPath()
{
    static const std::string path = [] {
        char name[] = "/tmp/joseki-fuzz-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0)
            std::abort();
        close(fd);
        return std::string(name);
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte may shorten the file below the minimum length.
    const bool shortFile = size > 0 && data[0] == 0xFF;
    std::vector<unsigned char> file(kImageLength + joseki::kContainerLength, 'P');
    const std::size_t copied = std::min(size, joseki::kContainerLength);
    std::copy(data, data + copied, file.begin() + static_cast<std::ptrdiff_t>(kImageLength));
    std::fill(file.begin() + static_cast<std::ptrdiff_t>(kImageLength + copied), file.end(), 0);
    if (shortFile)
        file.resize(file.size() - 1);

    FILE* out = std::fopen(scratchPath().c_str(), "wb");
    if (out == nullptr)
        std::abort();
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);

    joseki::fuzz::SilentMessageService messages;
    joseki::JosekiEngine engine(messages);
    joseki::loadJosekiLibrary(engine, scratchPath());
    if (messages.exited && engine.root != nullptr)
        __builtin_trap();
    return 0;
}

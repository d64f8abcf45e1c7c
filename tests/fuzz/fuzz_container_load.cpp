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
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Bytes of program image in front of the container.
constexpr std::size_t kImageLength = joseki::kMinimumExecutableLength - joseki::kContainerLength;
constexpr std::size_t kFileLength = kImageLength + joseki::kContainerLength;

// One scratch file, in memory where the system offers it, rewritten in place:
// only the bytes the previous input touched are cleared again.
struct ScratchFile {
    std::string path;
    int fd = -1;
    std::size_t dirty = 0;

    ScratchFile()
    {
        char name[] = "/dev/shm/joseki-fuzz-XXXXXX";
        fd = mkstemp(name);
        if (fd < 0) {
            char fallback[] = "/tmp/joseki-fuzz-XXXXXX";
            fd = mkstemp(fallback);
            path = fallback;
        } else {
            path = name;
        }
        if (fd < 0)
            std::abort();
        const std::vector<char> image(kImageLength, 'P');
        if (pwrite(fd, image.data(), image.size(), 0) != static_cast<ssize_t>(image.size()))
            std::abort();
    }

    void write(const std::uint8_t* data, std::size_t size, bool shortFile)
    {
        const std::size_t copied = std::min(size, joseki::kContainerLength);
        if (copied > 0 && pwrite(fd, data, copied, kImageLength) != static_cast<ssize_t>(copied))
            std::abort();
        if (dirty > copied) {
            const std::vector<char> zeros(dirty - copied, 0);
            if (pwrite(fd, zeros.data(), zeros.size(), static_cast<off_t>(kImageLength + copied)) !=
                static_cast<ssize_t>(zeros.size()))
                std::abort();
        }
        dirty = copied;
        if (ftruncate(fd, static_cast<off_t>(shortFile ? kFileLength - 1 : kFileLength)) != 0)
            std::abort();
    }
};

ScratchFile& scratch()
{
    static ScratchFile file;
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A first byte of 0xFF makes the file one byte shorter than the minimum.
    scratch().write(data, size, size > 0 && data[0] == 0xFF);

    joseki::fuzz::SilentMessageService messages;
    joseki::JosekiEngine engine(messages);
    joseki::loadJosekiLibrary(engine, scratch().path);
    if (messages.exited && engine.root != nullptr)
        __builtin_trap();
    return 0;
}

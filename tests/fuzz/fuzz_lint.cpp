// joseki-pack lint and describe on arbitrary library text: the bytes up to the
// first zero byte are the library, the bytes after it a frequency tree. Every
// finding line must name a path and a problem.
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/fuzz/SilentMessageService.h"
#include "tools/joseki-pack/FrequencyTree.h"
#include "tools/joseki-pack/LintCommands.h"
#include "tools/joseki-pack/Linter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t zero = input.find('\0');
    joseki::fuzz::SilentMessageService messages;
    joseki::JosekiEngine engine(messages);
    joseki::loadLibraryText(engine, input.substr(0, zero));
    joseki::pack::FrequencyTree frequencies;
    bool haveFrequencies = false;
    if (zero != std::string_view::npos) {
        std::string error;
        haveFrequencies = frequencies.read(input.substr(zero + 1), error);
    }
    if (engine.root == nullptr)
        return 0;
    for (const std::string& line : joseki::pack::Linter(engine.root, haveFrequencies ? &frequencies : nullptr).run())
        if (line.find(": ") == std::string::npos)
            __builtin_trap();
    joseki::pack::linting::describeTree(engine.root);
    return 0;
}

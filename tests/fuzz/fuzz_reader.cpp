// The reader and the start-up checks on arbitrary library text.
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/fuzz/SilentMessageService.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    joseki::fuzz::SilentMessageService messages;
    joseki::JosekiEngine engine(messages);
    joseki::loadLibraryText(engine, std::string_view(reinterpret_cast<const char*>(data), size));
    if (messages.exited && engine.root != nullptr)
        __builtin_trap(); // a fatal report must leave no tree behind
    return 0;
}

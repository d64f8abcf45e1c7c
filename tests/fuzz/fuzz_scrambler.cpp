// scramble and descramble are exact inverses on every string without a zero
// byte, keep its length, and never produce a zero byte.
#include "library/TextScrambler.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string original(reinterpret_cast<const char*>(data), size);
    original.erase(std::remove(original.begin(), original.end(), '\0'), original.end());

    std::string text = original;
    joseki::TextScrambler::scramble(text.data());
    if (std::strlen(text.c_str()) != original.size())
        __builtin_trap();
    joseki::TextScrambler::descramble(text.data());
    if (text != original)
        __builtin_trap();

    joseki::TextScrambler::descramble(text.data());
    if (std::strlen(text.c_str()) != original.size())
        __builtin_trap();
    joseki::TextScrambler::scramble(text.data());
    if (text != original)
        __builtin_trap();
    return 0;
}

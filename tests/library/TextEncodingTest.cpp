// Texts inside the program are GBK bytes: narrow literals must compile to GBK
// so that they compare directly with what the library holds.
#include "library/LibraryLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace joseki {
namespace {

std::vector<unsigned char> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

TEST(TextEncoding, NarrowLiteralsAreGbk)
{
    const std::vector<unsigned char> magic = {0x4B, 0x61, 0x76, 0x6F, 0xB6, 0xA8, 0xCA, 0xBD, 0x44, 0x41, 0x54};
    EXPECT_EQ(bytesOf("Kavo定式DAT"), magic);
    EXPECT_EQ(bytesOf(std::string(kContainerMagic, kMagicLength)), magic);
    // A character whose second GBK byte is a backslash stays one character.
    EXPECT_EQ(bytesOf("誠"), (std::vector<unsigned char>{0xD5, 0x5C}));
}

} // namespace
} // namespace joseki

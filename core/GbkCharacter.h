#pragma once

#include <cstddef>
#include <string_view>

// The characters of a GBK text, which can only be told apart from its start:
// a lead byte 0x81..0xFE takes the byte after it, anything else stands alone.
namespace joseki::gbk {

inline constexpr unsigned char kFirstLeadByte = 0x81;
inline constexpr unsigned char kLastLeadByte = 0xFE;

// Length of the character at text[i] (i inside the text): 2 for a lead byte with a byte after it, else 1.
constexpr std::size_t characterLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    return lead >= kFirstLeadByte && lead <= kLastLeadByte && i + 1 < text.size() ? 2 : 1;
}

} // namespace joseki::gbk

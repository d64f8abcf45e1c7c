#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace joseki::pack {

// The text of a standard SGF file as UTF-8, and the character set it was read in.
struct DecodedSgf {
    std::string utf8;
    std::string charset;         // as shown to the user: "GB18030", "UTF-16LE", a CA's own spelling
    std::string choice;          // how it was chosen ("no CA; detected GB18030"); empty when that needs no word
    std::size_t undecodable = 0; // bytes that are not `charset`, read as U+FFFD
};

// Reads a file's bytes. A byte-order mark decides first (UTF-8, UTF-16LE,
// UTF-16BE); then a CA the bytes decode in without error; then valid UTF-8;
// then detection among GB18030, Big5, Shift_JIS, EUC-KR and windows-1251,
// GB18030 whenever the detector cannot tell.
DecodedSgf decodeSgf(std::string_view raw);

} // namespace joseki::pack

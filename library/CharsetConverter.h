#pragma once

#include <cstddef>
#include <iconv.h>
#include <string>
#include <string_view>

namespace joseki {

// One conversion from a character set to another, through the C library's
// iconv. Texts in the program are GBK; this is how they leave it as UTF-8
// (the exported line, the packer's output) and how other sets come in.
class CharsetConverter {
public:
    CharsetConverter(const char* to, const char* from);
    ~CharsetConverter();
    CharsetConverter(const CharsetConverter&) = delete;
    CharsetConverter& operator=(const CharsetConverter&) = delete;

    // False when the C library knows one of the two sets not.
    bool valid() const;

    // The whole text converted; each unit that cannot be (one byte, or one
    // UTF-8 sequence when the source set is UTF-8, a cut character included)
    // becomes `replacement` and is counted in `replaced`, the first of them
    // noted in `firstReplaced` when one is given and still empty.
    std::string convert(std::string_view in, const char* replacement, std::size_t& replaced,
                        std::string* firstReplaced = nullptr);

    // GBK as UTF-8, with U+FFFD for what is not GBK; the bytes unchanged when
    // the C library has no GBK.
    static std::string gbkToUtf8(std::string_view gbk);

private:
    // Converts up to the first unit that cannot be, leaving `in` on it; true
    // when everything was converted.
    bool convertRun(std::string_view& in, std::string& out);

    iconv_t descriptor_;
    bool utf8Source_;
};

} // namespace joseki

#include "GbkText.h"

#include "core/GbkCharacter.h"
#include "library/CharsetConverter.h"

namespace joseki::pack {

namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD"; // U+FFFD
constexpr char kUtf8[] = "UTF-8";
constexpr char kGbk[] = "GBK";

std::string escapeLineBreaks(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

} // namespace

std::string GbkText::toDisplayUtf8(std::string_view gbk) { return escapeLineBreaks(CharsetConverter::gbkToUtf8(gbk)); }

bool GbkText::decodeToUtf8(std::string_view bytes, const std::string& charset, std::string& utf8, std::size_t& replaced)
{
    CharsetConverter converter(kUtf8, charset.c_str());
    if (!converter.valid())
        return false;
    utf8 = converter.convert(bytes, kReplacementUtf8, replaced);
    return true;
}

std::string GbkText::utf8ToGbk(std::string_view utf8, std::size_t& replaced, std::string& firstReplaced)
{
    CharsetConverter converter(kGbk, kUtf8);
    return converter.convert(utf8, "?", replaced, &firstReplaced);
}

std::size_t GbkText::characterLength(std::string_view text, std::size_t i) { return gbk::characterLength(text, i); }

} // namespace joseki::pack

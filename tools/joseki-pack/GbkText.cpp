#include "GbkText.h"

#include "core/GbkCharacter.h"

#include <cerrno>
#include <iconv.h>

namespace joseki::pack {

namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD"; // U+FFFD
constexpr unsigned char kUtf8ContinuationMask = 0xC0;
constexpr unsigned char kUtf8Continuation = 0x80;
constexpr std::size_t kChunk = 4096;

// One iconv conversion descriptor, closed on destruction.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; returns false at a byte sequence that
    // cannot be converted (or is cut), leaving `in` on it.
    bool convert(std::string_view& in, std::string& out)
    {
        char buffer[kChunk];
        while (!in.empty()) {
            char* inPtr = const_cast<char*>(in.data());
            std::size_t inLeft = in.size();
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            in.remove_prefix(in.size() - inLeft);
            if (result == static_cast<std::size_t>(-1) && error != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence starting at text[0], at least 1.
std::size_t utf8Length(std::string_view text)
{
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & kUtf8ContinuationMask) == kUtf8Continuation)
        ++n;
    return n;
}

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

// Decodes with iconv, replacing each undecodable unit (one byte, or one UTF-8
// sequence for UTF-8 input) by `replacement`.
std::string convertReplacing(Converter& converter, std::string_view in, bool utf8Input, const char* replacement,
                             std::size_t& replaced, std::string* firstReplaced)
{
    std::string out;
    out.reserve(in.size());
    while (!converter.convert(in, out)) {
        const std::size_t skip = utf8Input ? utf8Length(in) : 1;
        if (firstReplaced != nullptr && firstReplaced->empty())
            firstReplaced->assign(in.substr(0, skip));
        in.remove_prefix(skip);
        out += replacement;
        ++replaced;
    }
    return out;
}

} // namespace

std::string GbkText::toDisplayUtf8(std::string_view gbk)
{
    Converter converter("UTF-8", "GBK");
    std::size_t replaced = 0;
    if (!converter.valid())
        return escapeLineBreaks(std::string(gbk));
    return escapeLineBreaks(convertReplacing(converter, gbk, false, kReplacementUtf8, replaced, nullptr));
}

bool GbkText::decodeToUtf8(std::string_view bytes, const std::string& charset, std::string& utf8, std::size_t& replaced)
{
    Converter converter("UTF-8", charset.c_str());
    if (!converter.valid())
        return false;
    utf8 = convertReplacing(converter, bytes, false, kReplacementUtf8, replaced, nullptr);
    return true;
}

std::string GbkText::utf8ToGbk(std::string_view utf8, std::size_t& replaced, std::string& firstReplaced)
{
    Converter converter("GBK", "UTF-8");
    return convertReplacing(converter, utf8, true, "?", replaced, &firstReplaced);
}

std::size_t GbkText::characterLength(std::string_view text, std::size_t i) { return gbk::characterLength(text, i); }

} // namespace joseki::pack

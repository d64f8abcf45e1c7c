#include "library/CharsetConverter.h"

#include <cerrno>
#include <cstring>

namespace joseki {

namespace {

constexpr char kUtf8[] = "UTF-8";
constexpr char kGbk[] = "GBK";
constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD"; // U+FFFD
constexpr unsigned char kUtf8ContinuationMask = 0xC0;
constexpr unsigned char kUtf8Continuation = 0x80;
constexpr std::size_t kChunk = 4096;

const iconv_t kInvalidDescriptor = reinterpret_cast<iconv_t>(-1);

// Length of the UTF-8 sequence starting at text[0], at least 1.
std::size_t utf8Length(std::string_view text)
{
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & kUtf8ContinuationMask) == kUtf8Continuation)
        ++n;
    return n;
}

} // namespace

CharsetConverter::CharsetConverter(const char* to, const char* from)
    : descriptor_(iconv_open(to, from)), utf8Source_(std::strcmp(from, kUtf8) == 0)
{}

CharsetConverter::~CharsetConverter()
{
    if (valid())
        iconv_close(descriptor_);
}

bool CharsetConverter::valid() const { return descriptor_ != kInvalidDescriptor; }

bool CharsetConverter::convertRun(std::string_view& in, std::string& out)
{
    char buffer[kChunk];
    while (!in.empty()) {
        // iconv's interface takes a non-const input pointer but does not write through it.
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(descriptor_, &inPtr, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        in.remove_prefix(in.size() - inLeft);
        if (result == static_cast<std::size_t>(-1) && error != E2BIG)
            return false;
    }
    return true;
}

std::string CharsetConverter::convert(std::string_view in, const char* replacement, std::size_t& replaced,
                                      std::string* firstReplaced)
{
    std::string out;
    out.reserve(in.size());
    while (!convertRun(in, out)) {
        const std::size_t skip = utf8Source_ ? utf8Length(in) : 1;
        if (firstReplaced != nullptr && firstReplaced->empty())
            firstReplaced->assign(in.substr(0, skip));
        in.remove_prefix(skip);
        out += replacement;
        ++replaced;
    }
    return out;
}

std::string CharsetConverter::gbkToUtf8(std::string_view gbk)
{
    CharsetConverter converter(kUtf8, kGbk);
    if (!converter.valid())
        return std::string(gbk);
    std::size_t replaced = 0;
    return converter.convert(gbk, kReplacementUtf8, replaced);
}

} // namespace joseki

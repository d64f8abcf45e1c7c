// gbk-escape IN OUT: copies a UTF-8 source file, writing every non-ASCII
// character as the octal escapes of its GBK bytes. Compilers without a GBK
// execution character set (clang) then build the same GBK literals as the
// others. Octal escapes end after three digits, so a following character can
// never be taken into the escape, and no GBK trail byte can turn into a
// backslash of the source.
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool isAscii(unsigned char c) { return c < 0x80; }

bool toGbk(iconv_t converter, std::string& run, std::string& out)
{
    char* in = run.data();
    std::size_t inLeft = run.size();
    std::string buffer(run.size() * 2 + 4, '\0');
    char* to = buffer.data();
    std::size_t toLeft = buffer.size();
    if (iconv(converter, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1))
        return false;
    buffer.resize(buffer.size() - toLeft);
    for (unsigned char byte : buffer) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\%03o", byte);
        out += escape;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: gbk-escape IN OUT\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "gbk-escape: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        std::fputs("gbk-escape: no UTF-8 to GBK converter\n", stderr);
        return 1;
    }
    std::string out;
    out.reserve(source.size() * 2);
    for (std::size_t i = 0; i < source.size();) {
        if (isAscii(static_cast<unsigned char>(source[i]))) {
            out += source[i++];
            continue;
        }
        std::size_t end = i;
        while (end < source.size() && !isAscii(static_cast<unsigned char>(source[end])))
            ++end;
        std::string run = source.substr(i, end - i);
        if (!toGbk(converter, run, out)) {
            std::fprintf(stderr, "gbk-escape: %s: a character GBK cannot hold at byte %zu\n", argv[1], i);
            return 1;
        }
        i = end;
    }
    iconv_close(converter);
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out;
    return file ? 0 : 1;
}

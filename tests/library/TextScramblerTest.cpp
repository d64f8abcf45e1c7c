#include "library/TextScrambler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace joseki {
namespace {

// A text of non-zero bytes whose values cover 1..255 in a scattered order.
std::string sampleText(std::size_t length)
{
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>((i * 97 + 31) % 255 + 1);
    return text;
}

std::string scrambled(std::string text)
{
    TextScrambler::scramble(text.data());
    return text;
}

std::string descrambled(std::string text)
{
    TextScrambler::descramble(text.data());
    return text;
}

unsigned char byteAt(const std::string& text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

// The keyed addition alone, for a byte that the rotation leaves in place.
unsigned char keyed(unsigned char value, std::size_t index)
{
    const unsigned substituted = TextScrambler::forwardTable()[value];
    return static_cast<unsigned char>((substituted - 1 + TextScrambler::keyTable[index % 256]) % 255 + 1);
}

void expectRoundTrips(std::size_t length)
{
    const std::string text = sampleText(length);
    const std::string there = scrambled(text);
    ASSERT_EQ(std::strlen(there.c_str()), length) << "a zero byte was produced at length " << length;
    EXPECT_EQ(descrambled(there), text) << "length " << length;
    const std::string back = descrambled(text);
    ASSERT_EQ(std::strlen(back.c_str()), length) << "a zero byte was produced at length " << length;
    EXPECT_EQ(scrambled(back), text) << "length " << length;
}

// Fixed vectors: every container ever made depends on these bytes, so they
// are written out here rather than derived from the scrambler's own tables.
struct Vector {
    const char* name;
    std::string plain;
    const char* scrambledHex;
};

std::string hexOf(const std::string& bytes)
{
    static const char* const kDigits = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex.push_back(kDigits[byte >> 4]);
        hex.push_back(kDigits[byte & 0x0F]);
    }
    return hex;
}

std::string fromHex(const std::string& hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

TEST(TextScrambler, FixedVectorsScrambleToKnownBytesAndBack)
{
    const Vector vectors[] = {
        {"a move", "(;B[pd])", "527A8E90ADFD11C4"},
        // GBK bytes of (;C[定式]N[星位]).
        {"GBK text", fromHex("283B435BB6A8CABD5D4E5BD0C7CEBB5D29"), "5A7A8E26AD3273DCF9C464FE4C28DC2263"},
        // 260 bytes: the key index wraps after 256.
        {"past the key's length", sampleText(260),
         "46DA8737DDE1B14CC732B8ED7FF3CA1E7E12B15CFDCEEB76E9A99CB1E14A75DBD5868D184197B70369FC0599B52909AB"
         "1302A5F67248144C33F26428D00829DFE7E775411AAB4144B6FA1FA53B031DB342465A12F13E21EA4F16D6F96F1ADBE1"
         "20294ECE3B88921B318CED1E37AC41F826A2ABC8E8A77CAEEDC9C39E9AE2548A655C27905AC9AEB640679B728668316A"
         "A156D87A9AE5013C330490ABE84AB620B3A0500110683CD3E499B9ACF7A522A950DEB730C30F02C82CB7A38BA059A968"
         "2EFF8CCD041A36B9EB0B1982B726BCF27BAE8CAF8A0CC819230419FCF344A7ECD448AABCE44EA51885F87B618D5366BD"
         "D65C2CB4061D8618A8990E27D75ECB21E0920C27"},
    };
    for (const Vector& v : vectors) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(hexOf(scrambled(v.plain)), v.scrambledHex);
        EXPECT_EQ(descrambled(fromHex(v.scrambledHex)), v.plain);
    }
}

TEST(TextScrambler, RoundTripsInBothOrdersForEveryShortLength)
{
    for (std::size_t length = 0; length <= 1000; ++length)
        expectRoundTrips(length);
}

TEST(TextScrambler, RoundTripsAroundMultiplesOf256)
{
    for (const std::size_t length : {255u, 256u, 257u, 258u, 511u, 512u, 513u, 65535u, 65536u, 65537u})
        expectRoundTrips(length);
}

TEST(TextScrambler, TablesArePermutationsKeepingZero)
{
    TextScrambler::buildTables();
    const auto& forward = TextScrambler::forwardTable();
    const auto& inverse = TextScrambler::inverseTable();
    EXPECT_EQ(forward[0], 0);
    EXPECT_EQ(inverse[0], 0);
    std::vector<bool> seen(256, false);
    for (std::size_t x = 1; x < 256; ++x) {
        ASSERT_NE(forward[x], 0);
        EXPECT_FALSE(seen[forward[x]]) << "value " << int(forward[x]) << " twice";
        seen[forward[x]] = true;
        EXPECT_EQ(inverse[forward[x]], x);
    }
}

TEST(TextScrambler, EveryByteValueMapsToANonZeroByte)
{
    std::string all;
    for (int v = 1; v <= 255; ++v)
        all.push_back(static_cast<char>(v));
    for (int copy = 0; copy < 3; ++copy)
        all += all;
    for (const std::string& out : {scrambled(all), descrambled(all)})
        EXPECT_EQ(std::strlen(out.c_str()), all.size());
}

TEST(TextScrambler, EmptyStringStaysEmpty)
{
    char empty[] = "";
    TextScrambler::scramble(empty);
    EXPECT_EQ(empty[0], '\0');
    TextScrambler::descramble(empty);
    EXPECT_EQ(empty[0], '\0');
}

// Keys each position separately: a byte at index i after the rotation comes from
// the input index given in the table.
TEST(TextScrambler, RotatesShortStringsAsTriplesAndAFinalPair)
{
    struct Case {
        const char* input;
        std::vector<std::size_t> sourceOf; // input index that lands at each output index
    };
    const Case cases[] = {
        {"a", {0}}, {"ab", {1, 0}}, {"abc", {2, 0, 1}}, {"abcd", {2, 0, 1, 3}}, {"abcde", {2, 0, 1, 4, 3}},
    };
    for (const Case& c : cases) {
        const std::string input = c.input;
        const std::string out = scrambled(input);
        ASSERT_EQ(out.size(), input.size());
        for (std::size_t i = 0; i < out.size(); ++i)
            EXPECT_EQ(byteAt(out, i), keyed(byteAt(input, c.sourceOf[i]), i)) << c.input << " at " << i;
    }
}

TEST(TextScrambler, KeyIndexWrapsEvery256Bytes)
{
    // 258 bytes: the triples end at 258, so bytes 256 and 257 are rotated among
    // themselves with byte 255; identical input bytes make the rotation invisible.
    const std::string text(258, 'x');
    const std::string out = scrambled(text);
    EXPECT_EQ(byteAt(out, 256), keyed('x', 0));
    EXPECT_EQ(byteAt(out, 257), keyed('x', 1));
    EXPECT_EQ(byteAt(out, 256), byteAt(out, 0));
    EXPECT_EQ(byteAt(out, 257), byteAt(out, 1));
}

TEST(TextScrambler, BuildsTablesLazilyAndOnlyOnce)
{
    for (const auto operation : {&TextScrambler::scramble, &TextScrambler::descramble}) {
        TextScrambler::discardTables();
        EXPECT_FALSE(TextScrambler::tablesBuilt());
        const unsigned before = TextScrambler::buildCount();
        std::string text = "lazy";
        operation(text.data());
        EXPECT_TRUE(TextScrambler::tablesBuilt());
        EXPECT_EQ(TextScrambler::buildCount(), before + 1);
        operation(text.data());
        EXPECT_EQ(TextScrambler::buildCount(), before + 1);
    }
}

} // namespace
} // namespace joseki

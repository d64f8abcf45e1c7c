#include "library/TextScrambler.h"

#include <utility>

namespace joseki {

namespace {

// The probe of buildTables stops at the latest where index + probe is a multiple of this.
constexpr unsigned kProbeModulus = 7;
// The keyed addition works on the 255 non-zero byte values.
constexpr unsigned kNonZeroValues = 255;
constexpr std::size_t kIndexMask = TextScrambler::kTableSize - 1;
// Entries of forwardTable that are zero only while the tables are unbuilt.
constexpr std::size_t kBuiltProbes[] = {1, 2, 10};

TextScrambler::Table gForward{};
TextScrambler::Table gInverse{};
unsigned gBuildCount = 0;

unsigned char* bytesOf(char* text) { return reinterpret_cast<unsigned char*>(text); }

void ensureTables()
{
    if (!TextScrambler::tablesBuilt())
        TextScrambler::buildTables();
}

// The next probe position, wrapping from 255 to 1 so that entry 0 is never used.
std::size_t nextProbe(std::size_t j)
{
    j = (j + 1) & kIndexMask;
    return j == 0 ? 1 : j;
}

// Rotates each complete triple so that its last byte comes first; a final pair is swapped.
void rotateTriplesForward(unsigned char* s)
{
    std::size_t b = 0;
    while (s[b] != 0 && s[b + 1] != 0 && s[b + 2] != 0) {
        const unsigned char last = s[b + 2];
        s[b + 2] = s[b + 1];
        s[b + 1] = s[b];
        s[b] = last;
        b += 3;
    }
    if (s[b] != 0 && s[b + 1] != 0)
        std::swap(s[b], s[b + 1]);
}

// Undoes rotateTriplesForward: the first byte of each triple goes back to the end.
void rotateTriplesBack(unsigned char* s)
{
    std::size_t b = 0;
    while (s[b] != 0 && s[b + 1] != 0 && s[b + 2] != 0) {
        const unsigned char first = s[b];
        s[b] = s[b + 1];
        s[b + 1] = s[b + 2];
        s[b + 2] = first;
        b += 3;
    }
    if (s[b] != 0 && s[b + 1] != 0)
        std::swap(s[b], s[b + 1]);
}

void substitute(unsigned char* s, const TextScrambler::Table& table)
{
    for (; *s != 0; ++s)
        *s = table[*s];
}

} // namespace

// Chosen once for this program; every container depends on these values.
// clang-format off
const TextScrambler::Table TextScrambler::keyTable = {
    0xBA, 0xB4, 0xA9, 0xE9, 0xA0, 0x7F, 0x67, 0xB8, 0xB7, 0x60, 0x0B, 0xF1, 0x45, 0x86, 0x0E, 0x78,
    0x57, 0xD0, 0xAA, 0x43, 0x45, 0xF1, 0x21, 0xB1, 0xE1, 0x5B, 0xF8, 0xEB, 0x1F, 0x07, 0x30, 0xF9,
    0x53, 0x08, 0xC0, 0xF2, 0xB3, 0xCF, 0xF5, 0x44, 0x9D, 0x77, 0x01, 0xD0, 0x80, 0x73, 0xC2, 0xBD,
    0xB2, 0x28, 0x15, 0x8E, 0x23, 0xCD, 0xE3, 0x90, 0xE1, 0x1C, 0x95, 0x17, 0x49, 0xD3, 0x08, 0xB2,
    0xCD, 0xF3, 0x55, 0x5C, 0xC6, 0xC8, 0x6C, 0x9F, 0x00, 0x1F, 0x35, 0x7B, 0xC1, 0x99, 0xC6, 0x82,
    0x16, 0x27, 0x73, 0x10, 0xFB, 0x55, 0xAA, 0xE5, 0x14, 0x7A, 0x62, 0x70, 0x2D, 0x7A, 0x76, 0xFD,
    0xC1, 0x8B, 0x9D, 0x97, 0xC9, 0x5D, 0x92, 0x4D, 0xD7, 0x5A, 0x91, 0x81, 0x42, 0x16, 0xA2, 0xC0,
    0x52, 0x63, 0x62, 0x2F, 0xC6, 0x01, 0xCC, 0x33, 0x7B, 0x82, 0x58, 0x88, 0xAF, 0x1C, 0xEF, 0x6E,
    0x53, 0x10, 0xB7, 0x08, 0x1C, 0xE3, 0x4B, 0x4F, 0x6D, 0x88, 0xAC, 0x85, 0xEB, 0xA4, 0x7F, 0x61,
    0x01, 0xDE, 0x90, 0xC5, 0x9D, 0x32, 0x9A, 0x03, 0x58, 0xFD, 0xD8, 0xA8, 0x5E, 0xEE, 0xF8, 0xC0,
    0xB2, 0xBF, 0x00, 0x30, 0xE6, 0x5A, 0xB8, 0x56, 0xC0, 0x7E, 0x11, 0xA1, 0x7B, 0x1F, 0x93, 0xEE,
    0x51, 0x4A, 0x65, 0xB7, 0xB6, 0xE0, 0x8E, 0x99, 0x04, 0x81, 0x94, 0xFE, 0x09, 0xB7, 0x96, 0x6F,
    0x3B, 0x56, 0xBC, 0x5F, 0x1C, 0xA4, 0xDE, 0xE3, 0xE1, 0x9E, 0x4F, 0xAA, 0x0B, 0x96, 0xFB, 0x9E,
    0xE9, 0xBC, 0x2B, 0x04, 0x8F, 0xED, 0xB0, 0x98, 0xE2, 0x84, 0x02, 0xA2, 0xAF, 0xA1, 0xFC, 0xF5,
    0xB7, 0x4A, 0xF7, 0x89, 0x52, 0x6E, 0xEB, 0x1E, 0x28, 0x01, 0xF6, 0xA1, 0xE5, 0x3E, 0x0E, 0x81,
    0xE5, 0xC6, 0xC1, 0x69, 0x1A, 0x9B, 0x96, 0x69, 0x85, 0x29, 0x75, 0xD1, 0xC3, 0x85, 0xBF, 0x95,
};
// clang-format on

void TextScrambler::buildTables()
{
    for (std::size_t x = 0; x < kTableSize; ++x)
        gForward[x] = static_cast<std::uint8_t>(x);
    for (std::size_t i = 1; i < kTableSize; ++i) {
        std::size_t j = (i + keyTable[i]) & kIndexMask;
        if (j == 0)
            j = 1;
        while (gForward[j] != j && (i + j) % kProbeModulus != 0)
            j = nextProbe(j);
        std::swap(gForward[i], gForward[j]);
    }
    gInverse[0] = 0;
    for (std::size_t i = 1; i < kTableSize; ++i)
        gInverse[gForward[i]] = static_cast<std::uint8_t>(i);
    ++gBuildCount;
}

bool TextScrambler::tablesBuilt()
{
    for (const std::size_t probe : kBuiltProbes)
        if (gForward[probe] == 0)
            return false;
    return true;
}

void TextScrambler::scramble(char* text)
{
    ensureTables();
    unsigned char* s = bytesOf(text);
    rotateTriplesForward(s);
    substitute(s, gForward);
    for (std::size_t i = 0; s[i] != 0; ++i)
        s[i] = static_cast<unsigned char>((s[i] - 1u + keyTable[i & kIndexMask]) % kNonZeroValues + 1u);
}

void TextScrambler::descramble(char* text)
{
    ensureTables();
    unsigned char* s = bytesOf(text);
    for (std::size_t i = 0; s[i] != 0; ++i)
        s[i] =
            static_cast<unsigned char>((s[i] + (kNonZeroValues - 1u) - keyTable[i & kIndexMask]) % kNonZeroValues + 1u);
    substitute(s, gInverse);
    rotateTriplesBack(s);
}

const TextScrambler::Table& TextScrambler::forwardTable() { return gForward; }
const TextScrambler::Table& TextScrambler::inverseTable() { return gInverse; }
unsigned TextScrambler::buildCount() { return gBuildCount; }

void TextScrambler::discardTables()
{
    gForward.fill(0);
    gInverse.fill(0);
}

} // namespace joseki

// GBK texts as whole characters: no match across the two bytes of a character.
#include "tools/joseki-pack/GbkCharacters.h"

#include <gtest/gtest.h>

#include <string>

namespace joseki::pack {
namespace {

using characters::kNotFound;

TEST(GbkCharactersTest, SplitsIntoWholeCharacters)
{
    const characters::CharacterList text = characters::split("黑A位，ok");
    ASSERT_EQ(text.size(), 6u);
    EXPECT_EQ(text[0], std::string("黑"));
    EXPECT_EQ(text[1], "A");
    EXPECT_EQ(text[3], std::string("，"));
    // A lead byte at the very end stands alone.
    EXPECT_EQ(characters::split("\x81").size(), 1u);
}

TEST(GbkCharactersTest, WordsMatchOnlyOnCharacterBoundaries)
{
    // 0x81 0x5B and 0x81 0x41 are two characters; "\x5B\x81" and "A" only appear inside them.
    const characters::CharacterList text = characters::split("\x81\x5B\x81\x41");
    EXPECT_EQ(characters::find(text, "\x5B\x81"), kNotFound);
    EXPECT_EQ(characters::find(text, "A"), kNotFound);
    EXPECT_EQ(characters::find(text, "\x81\x41"), 1u);
    EXPECT_TRUE(characters::startsAt(text, 1, "\x81\x41"));
    EXPECT_FALSE(characters::startsAt(text, 2, "\x81\x41"));
    EXPECT_FALSE(characters::isStandaloneCapital(text, 1));
    const characters::CharacterList letters = characters::split("A位KataGo");
    EXPECT_TRUE(characters::isStandaloneCapital(letters, 0));
    EXPECT_FALSE(characters::isStandaloneCapital(letters, 2));
}

TEST(GbkCharactersTest, WellFormedText)
{
    struct Case {
        const char* text;
        bool wellFormed;
    };
    const Case cases[] = {
        {"黑星位。", true},  {"ascii", true},    {"", true},
        {"\x81\x40", true},  {"\xfe\xfe", true}, {"\x80", false}, // no lead byte
        {"\xff\x40", false},                                      // no lead byte
        {"\x81", false},                                          // cut after the lead byte
        {"\x81\x7f", false},                                      // no trail byte
        {"\x81\x30", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(characters::isWellFormedGbk(c.text), c.wellFormed) << c.text;
}

} // namespace
} // namespace joseki::pack

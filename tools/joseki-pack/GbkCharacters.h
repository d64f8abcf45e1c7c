#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// GBK texts as lists of whole characters. A byte search for a word could
// match the trail byte of one double-byte character and the lead byte of the
// next, and a trail byte can be an ASCII letter; on character lists every
// match starts and ends on a character.
namespace joseki::pack::characters {

// Views into the text, one per character.
using CharacterList = std::vector<std::string_view>;

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// The characters of a GBK text: a lead byte 0x81..0xFE with the byte after it, else one byte.
CharacterList split(std::string_view gbk);
// True when every byte from 0x80 up is a lead byte 0x81..0xFE followed by a trail byte 0x40..0xFE other than 0x7F.
bool isWellFormedGbk(std::string_view text);
// Index of the first occurrence of `word` (GBK) at or after `from`; kNotFound when there is none.
std::size_t find(const CharacterList& text, std::string_view word, std::size_t from = 0);
// True when `word` (GBK) stands in the text from index `at`.
bool startsAt(const CharacterList& text, std::size_t at, std::string_view word);
// True when text[i] exists and is one of the characters of `set` (GBK).
bool isOneOf(const CharacterList& text, std::size_t i, std::string_view set);
// The characters begin..end-1 as GBK bytes again.
std::string join(const CharacterList& text, std::size_t begin, std::size_t end);
// True for one ASCII letter or digit.
bool isAsciiAlphanumeric(std::string_view character);
// True for one ASCII capital letter.
bool isAsciiCapital(std::string_view character);
// True when text[i] is a capital letter standing alone, not inside a Latin word or number ("A位", not "KataGo").
bool isStandaloneCapital(const CharacterList& text, std::size_t i);

} // namespace joseki::pack::characters

#include "GbkCharacters.h"

#include "GbkText.h"

#include <algorithm>

namespace joseki::pack::characters {

CharacterList split(std::string_view gbk)
{
    CharacterList list;
    list.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t length = GbkText::characterLength(gbk, i);
        list.push_back(gbk.substr(i, length));
        i += length;
    }
    return list;
}

bool isWellFormedGbk(std::string_view text)
{
    constexpr unsigned char kFirstNonAscii = 0x80;
    constexpr unsigned char kLeadFirst = 0x81;
    constexpr unsigned char kLeadLast = 0xFE;
    constexpr unsigned char kTrailFirst = 0x40;
    constexpr unsigned char kTrailLast = 0xFE;
    constexpr unsigned char kTrailGap = 0x7F;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < kFirstNonAscii)
            continue;
        if (lead < kLeadFirst || lead > kLeadLast || i + 1 >= text.size())
            return false;
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (trail < kTrailFirst || trail > kTrailLast || trail == kTrailGap)
            return false;
    }
    return true;
}

std::size_t find(const CharacterList& text, std::string_view word, std::size_t from)
{
    const CharacterList needle = split(word);
    if (needle.empty() || from > text.size())
        return kNotFound;
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(from);
    const auto found = std::search(begin, text.end(), needle.begin(), needle.end());
    return found == text.end() ? kNotFound : static_cast<std::size_t>(found - text.begin());
}

bool startsAt(const CharacterList& text, std::size_t at, std::string_view word)
{
    const CharacterList needle = split(word);
    if (needle.empty() || at > text.size() || text.size() - at < needle.size())
        return false;
    return std::equal(needle.begin(), needle.end(), text.begin() + static_cast<std::ptrdiff_t>(at));
}

bool isOneOf(const CharacterList& text, std::size_t i, std::string_view set)
{
    if (i >= text.size())
        return false;
    const CharacterList members = split(set);
    return std::find(members.begin(), members.end(), text[i]) != members.end();
}

std::string join(const CharacterList& text, std::size_t begin, std::size_t end)
{
    std::string out;
    for (std::size_t i = begin; i < end && i < text.size(); ++i)
        out += text[i];
    return out;
}

bool isAsciiAlphanumeric(std::string_view character)
{
    if (character.size() != 1)
        return false;
    const char c = character[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool isAsciiCapital(std::string_view character)
{
    return character.size() == 1 && character[0] >= 'A' && character[0] <= 'Z';
}

bool isStandaloneCapital(const CharacterList& text, std::size_t i)
{
    return i < text.size() && isAsciiCapital(text[i]) && !(i > 0 && isAsciiAlphanumeric(text[i - 1])) &&
           !(i + 1 < text.size() && isAsciiAlphanumeric(text[i + 1]));
}

} // namespace joseki::pack::characters

#include "core/BookVerdict.h"

#include "core/CoreTexts.h"
#include "core/GbkCharacter.h"

namespace joseki::bookVerdict {

namespace {

using gbk::characterLength;

// True when the character of `length` bytes at text[at] is one of the blanks.
bool isBlank(std::string_view text, std::size_t at, std::size_t length)
{
    const std::string_view character = text.substr(at, length);
    const std::string_view set = blanks();
    for (std::size_t i = 0; i < set.size();) {
        const std::size_t size = characterLength(set, i);
        if (set.substr(i, size) == character)
            return true;
        i += size;
    }
    return false;
}

} // namespace

std::string_view markerOf(BookVerdict verdict)
{
    switch (verdict) {
    case BookVerdict::Joseki:
        return coreTexts::kJosekiMarker;
    case BookVerdict::Variation:
        return coreTexts::kVariationMarker;
    case BookVerdict::Trick:
        return coreTexts::kTrickMarker;
    case BookVerdict::Mistake:
        return coreTexts::kMistakeMarker;
    case BookVerdict::None:
        break;
    }
    return {};
}

std::string_view blanks() { return coreTexts::kCommentBlanks; }

BookVerdict endingOf(std::string_view comment)
{
    // Character boundaries are only known from the start of a GBK text, so
    // the end of the last non-blank character is found first, and a marker
    // must then start on a boundary and run exactly up to it.
    std::size_t contentEnd = 0;
    for (std::size_t i = 0; i < comment.size();) {
        const std::size_t length = characterLength(comment, i);
        if (!isBlank(comment, i, length))
            contentEnd = i + length;
        i += length;
    }
    for (std::size_t i = 0; i < contentEnd; i += characterLength(comment, i)) {
        const std::string_view rest = comment.substr(i, contentEnd - i);
        for (const BookVerdict verdict : kMarked)
            if (rest == markerOf(verdict))
                return verdict;
    }
    return BookVerdict::None;
}

BookVerdict openingOf(std::string_view comment)
{
    // A marker is whole characters, so matching its bytes from the start matches its characters.
    for (const BookVerdict verdict : kMarked)
        if (comment.starts_with(markerOf(verdict)))
            return verdict;
    return BookVerdict::None;
}

} // namespace joseki::bookVerdict

#include "PopularityClaim.h"

#include "GbkCharacters.h"
#include "LeadClause.h"

#include "core/Stone.h"

#include <array>

namespace joseki::pack::popularity {

namespace {

using characters::CharacterList;
using characters::kNotFound;

constexpr std::array<std::string_view, 2> kClaimWords = {"最常见", "最流行"};
constexpr std::string_view kSentenceMarks = "。；：！？;:!?\n";
constexpr std::string_view kNegations = "不非没未";
constexpr std::string_view kTenuki = "脱先";

struct Span {
    std::size_t begin;
    std::size_t end;
};

Span sentenceAround(const CharacterList& text, std::size_t at)
{
    Span span{at, at};
    while (span.begin > 0 && !characters::isOneOf(text, span.begin - 1, kSentenceMarks))
        --span.begin;
    while (span.end < text.size() && !characters::isOneOf(text, span.end, kSentenceMarks))
        ++span.end;
    return span;
}

// The standalone capital letter in [begin, end) nearest to its start (or,
// with `fromEnd`, to its end); 0 when there is none.
char letterIn(const CharacterList& text, std::size_t begin, std::size_t end, bool fromEnd)
{
    for (std::size_t n = 0; n < end - begin; ++n) {
        const std::size_t i = fromEnd ? end - 1 - n : begin + n;
        if (characters::isStandaloneCapital(text, i))
            return text[i][0];
    }
    return 0;
}

PopularityClaim claimOf(const std::string_view word, PopularityClaim::Target target, char letter = 0)
{
    return PopularityClaim{target, letter, std::string(word)};
}

PopularityClaim readClaim(const CharacterList& text, std::size_t at, std::string_view word, std::int8_t colour)
{
    using Target = PopularityClaim::Target;
    const Span sentence = sentenceAround(text, at);
    for (std::size_t i = sentence.begin; i < at; ++i)
        if (characters::isOneOf(text, i, kNegations))
            return claimOf(word, Target::Unresolved);
    if (const char before = letterIn(text, sentence.begin, at, true); before != 0)
        return claimOf(word, Target::Letter, before);
    const char after = letterIn(text, at, sentence.end, false);
    const std::size_t lead = LeadClause::bodyStart(text);
    const std::string_view mover = colour == kBlack ? "黑" : "白";
    const std::string_view opponent = colour == kBlack ? "白" : "黑";
    const bool leadOfMover = sentence.begin <= lead && lead < at && text[lead] == mover;
    const std::size_t other = characters::find(text, opponent, lead);
    if (leadOfMover && after == 0 && (other == kNotFound || other > at))
        return claimOf(word, Target::OwnMove);
    const std::size_t tenuki = characters::find(text, kTenuki, sentence.begin);
    if (tenuki != kNotFound && tenuki < at)
        return claimOf(word, Target::Tenuki);
    return after != 0 ? claimOf(word, Target::Letter, after) : claimOf(word, Target::Unresolved);
}

} // namespace

std::vector<PopularityClaim> claims(std::string_view comment, std::int8_t colour)
{
    const CharacterList text = characters::split(comment);
    std::vector<PopularityClaim> found;
    for (std::size_t i = 0; i < text.size(); ++i)
        for (const std::string_view word : kClaimWords)
            if (characters::startsAt(text, i, word))
                found.push_back(readClaim(text, i, word, colour));
    return found;
}

} // namespace joseki::pack::popularity

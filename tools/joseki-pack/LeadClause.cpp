#include "LeadClause.h"

#include <utility>

namespace joseki::pack {

namespace {

using characters::CharacterList;
using characters::kNotFound;

constexpr std::string_view kBlackWord = "黑";
constexpr std::string_view kWhiteWord = "白";
constexpr std::string_view kMarkerOpen = "【";
constexpr std::string_view kMarkerClose = "】";
constexpr std::string_view kLeadingBlanks = " \t\r\n　";
constexpr std::string_view kClauseMarks = "，。；：！？,;.!?（(\r\n";
constexpr std::string_view kNegations = "不没未别勿";
constexpr std::string_view kModifiers = "小大一二三四五两路间高低的";
constexpr std::string_view kRelativeWords = "挂夹镇罩封挡";
constexpr std::string_view kAfterWord = "后";
constexpr std::string_view kPlacedWord = "在";
constexpr std::string_view kStoneWord = "子";
constexpr std::string_view kOfWord = "的";
// "二路一子" names a stone one or two characters after the line word.
constexpr std::size_t kStoneWordReach = 2;

std::size_t clauseEnd(const CharacterList& chars, std::size_t start, std::string_view opponent)
{
    for (std::size_t i = start; i < chars.size(); ++i) {
        if (characters::isOneOf(chars, i, kClauseMarks))
            return i;
        if (chars[i] == kAfterWord && i + 1 < chars.size() && chars[i + 1] == opponent)
            return i;
    }
    return chars.size();
}

// A capital letter standing alone names a labelled point.
bool namesLetter(const CharacterList& chars)
{
    for (std::size_t i = 0; i < chars.size(); ++i)
        if (characters::isStandaloneCapital(chars, i))
            return true;
    return false;
}

} // namespace

LeadClause::LeadClause(std::string text, std::int8_t colour)
    : text_(std::move(text)), chars_(characters::split(text_)), opponent_(colour == kBlack ? kWhiteWord : kBlackWord)
{}

LeadClause::LeadClause(const LeadClause& other)
    : text_(other.text_), chars_(characters::split(text_)), opponent_(other.opponent_)
{}

LeadClause& LeadClause::operator=(const LeadClause& other)
{
    if (this != &other) {
        text_ = other.text_;
        chars_ = characters::split(text_);
        opponent_ = other.opponent_;
    }
    return *this;
}

std::size_t LeadClause::bodyStart(const characters::CharacterList& chars)
{
    std::size_t start = 0;
    while (characters::isOneOf(chars, start, kLeadingBlanks))
        ++start;
    if (start < chars.size() && chars[start] == kMarkerOpen) {
        const std::size_t close = characters::find(chars, kMarkerClose, start);
        if (close != kNotFound)
            start = close + 1;
    }
    return start;
}

std::optional<LeadClause> LeadClause::of(std::string_view comment, std::int8_t colour)
{
    const std::string_view mover = colour == kBlack ? kBlackWord : kWhiteWord;
    const std::string_view opponent = colour == kBlack ? kWhiteWord : kBlackWord;
    const CharacterList chars = characters::split(comment);
    const std::size_t start = bodyStart(chars);
    if (start >= chars.size() || chars[start] != mover)
        return std::nullopt;
    const CharacterList clause(chars.begin() + static_cast<std::ptrdiff_t>(start),
                               chars.begin() + static_cast<std::ptrdiff_t>(clauseEnd(chars, start, opponent)));
    if (namesLetter(clause))
        return std::nullopt;
    return LeadClause(characters::join(clause, 0, clause.size()), colour);
}

bool LeadClause::isOpponentsStone(std::size_t at) const
{
    std::size_t j = at;
    while (j > 0 && characters::isOneOf(chars_, j - 1, kModifiers))
        --j;
    return j > 0 && chars_[j - 1] == opponent_;
}

bool LeadClause::namesAt(std::size_t at, std::size_t length, std::string_view notAfter,
                         std::string_view notBefore) const
{
    if (at > 0 && (characters::isOneOf(chars_, at - 1, kNegations) || characters::isOneOf(chars_, at - 1, notAfter)))
        return false;
    if (characters::isOneOf(chars_, at + length, notBefore))
        return false;
    return !isOpponentsStone(at);
}

bool LeadClause::names(std::string_view word, std::string_view notAfter, std::string_view notBefore) const
{
    const std::size_t length = characters::split(word).size();
    for (std::size_t at = characters::find(chars_, word); at != kNotFound; at = characters::find(chars_, word, at + 1))
        if (namesAt(at, length, notAfter, notBefore))
            return true;
    return false;
}

bool LeadClause::contains(std::string_view word) const { return characters::find(chars_, word) != kNotFound; }

bool LeadClause::negated() const
{
    for (std::size_t i = 0; i < chars_.size(); ++i)
        if (characters::isOneOf(chars_, i, kNegations))
            return true;
    return false;
}

bool LeadClause::relative() const
{
    for (std::size_t i = 0; i < chars_.size(); ++i)
        if (characters::isOneOf(chars_, i, kRelativeWords))
            return true;
    return false;
}

std::vector<int> LeadClause::lines() const
{
    std::vector<int> found;
    if (negated())
        return found;
    for (int line = 1; line <= shape::kNamedLines; ++line) {
        const std::string_view word = shape::lineWord(line);
        const std::size_t at = characters::find(chars_, word);
        if (at == kNotFound || isOpponentsStone(at))
            continue;
        const std::size_t after = at + characters::split(word).size();
        bool otherStone = characters::isOneOf(chars_, after, kOfWord);
        for (std::size_t i = after; i < after + kStoneWordReach; ++i)
            otherStone = otherStone || characters::isOneOf(chars_, i, kStoneWord);
        if (!otherStone)
            found.push_back(line);
    }
    return found;
}

std::vector<Edge> LeadClause::placedOn() const
{
    std::vector<Edge> edges;
    if (negated())
        return edges;
    for (const Edge edge : kAllEdges)
        if (contains(std::string(kPlacedWord) + std::string(shape::sideWord(edge))))
            edges.push_back(edge);
    return edges;
}

std::vector<Edge> LeadClause::sidesNamed() const
{
    std::vector<Edge> edges;
    for (const Edge edge : kAllEdges)
        if (contains(shape::sideWord(edge)))
            edges.push_back(edge);
    return edges;
}

bool LeadClause::endsWith(std::string_view word) const
{
    const std::size_t length = characters::split(word).size();
    if (length > chars_.size())
        return false;
    const std::size_t at = chars_.size() - length;
    return characters::startsAt(chars_, at, word) && namesAt(at, length, {}, {});
}

} // namespace joseki::pack

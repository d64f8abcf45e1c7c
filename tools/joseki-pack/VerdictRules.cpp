#include "VerdictRules.h"

#include "GbkCharacters.h"

#include <array>
#include <utility>

namespace joseki::pack::verdicts {

namespace {

using characters::CharacterList;

constexpr std::array<std::pair<Verdict, std::string_view>, 4> kMarkers = {{
    {Verdict::Joseki, "【定式】"},
    {Verdict::Variation, "【变化】"},
    {Verdict::Trick, "【骗着】"},
    {Verdict::Mistake, "【失着】"},
}};

constexpr std::string_view kBlanks = " \t\r\n　";

bool endsWith(const CharacterList& text, std::size_t end, std::string_view word)
{
    const std::size_t length = characters::split(word).size();
    return length <= end && characters::startsAt(text, end - length, word);
}

std::string allMarkers()
{
    std::string out;
    for (const auto& [verdict, marker] : kMarkers)
        out += (out.empty() ? "" : " ") + std::string(marker);
    return out;
}

bool isTrickOrMistake(Verdict verdict) { return verdict == Verdict::Trick || verdict == Verdict::Mistake; }

} // namespace

std::string_view markerOf(Verdict verdict)
{
    for (const auto& [candidate, marker] : kMarkers)
        if (candidate == verdict)
            return marker;
    return {};
}

Verdict endingOf(std::string_view comment)
{
    const CharacterList text = characters::split(comment);
    std::size_t end = text.size();
    while (end > 0 && characters::isOneOf(text, end - 1, kBlanks))
        --end;
    for (const auto& [verdict, marker] : kMarkers)
        if (endsWith(text, end, marker))
            return verdict;
    return Verdict::None;
}

Verdict openingOf(std::string_view comment)
{
    const CharacterList text = characters::split(comment);
    for (const auto& [verdict, marker] : kMarkers)
        if (characters::startsAt(text, 0, marker))
            return verdict;
    return Verdict::None;
}

bool isBlank(std::string_view comment)
{
    const CharacterList text = characters::split(comment);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!characters::isOneOf(text, i, kBlanks))
            return false;
    return true;
}

std::vector<std::string> commentProblems(std::string_view comment, bool leaf)
{
    const CharacterList text = characters::split(comment);
    std::vector<std::string> problems;
    std::vector<Verdict> present;
    for (const auto& [verdict, marker] : kMarkers)
        if (characters::find(text, marker) != characters::kNotFound)
            present.push_back(verdict);
    if (leaf) {
        if (present.size() != 1 || endingOf(comment) != present.front())
            problems.push_back("a leaf must end with exactly one of " + allMarkers());
        return problems;
    }
    for (const Verdict verdict : present) {
        if (!isTrickOrMistake(verdict))
            problems.push_back("an inner node carries " + std::string(markerOf(verdict)) +
                               ": only leaves carry that verdict");
        else if (openingOf(comment) != verdict)
            problems.push_back(std::string(markerOf(verdict)) + " inside an inner comment must open it");
    }
    return problems;
}

std::vector<std::string> lineProblems(std::string_view leafComment, MarksAbove above)
{
    std::vector<std::string> problems;
    const Verdict verdict = endingOf(leafComment);
    const std::string marker(markerOf(verdict));
    if (isTrickOrMistake(verdict)) {
        const bool opened = verdict == Verdict::Trick ? above.trick : above.mistake;
        if (opened)
            return problems;
        if (openingOf(leafComment) == verdict)
            problems.push_back("the " + marker + " move ends its line: go on with the answer that punishes it");
        else
            problems.push_back("a " + marker + " line without its move: no comment above this leaf opens with " +
                               marker);
    } else if (verdict != Verdict::None && (above.trick || above.mistake)) {
        const std::string_view through = markerOf(above.trick ? Verdict::Trick : Verdict::Mistake);
        problems.push_back("a " + marker + " line through a " + std::string(through) + " move: its leaf ends with " +
                           std::string(through));
    }
    return problems;
}

} // namespace joseki::pack::verdicts

#include "VerdictRules.h"

#include "GbkCharacters.h"

namespace joseki::pack::verdicts {

namespace {

using characters::CharacterList;

std::string allMarkers()
{
    std::string out;
    for (const Verdict verdict : bookVerdict::kMarked)
        out += (out.empty() ? "" : " ") + std::string(markerOf(verdict));
    return out;
}

} // namespace

bool isBlank(std::string_view comment)
{
    const CharacterList text = characters::split(comment);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!characters::isOneOf(text, i, bookVerdict::blanks()))
            return false;
    return true;
}

std::vector<std::string> commentProblems(std::string_view comment, bool leaf)
{
    const CharacterList text = characters::split(comment);
    std::vector<std::string> problems;
    std::vector<Verdict> present;
    for (const Verdict verdict : bookVerdict::kMarked)
        if (characters::find(text, markerOf(verdict)) != characters::kNotFound)
            present.push_back(verdict);
    if (leaf) {
        if (present.size() != 1 || endingOf(comment) != present.front())
            problems.push_back("a leaf must end with exactly one of " + allMarkers());
        return problems;
    }
    for (const Verdict verdict : present) {
        if (!bookVerdict::isTrickOrMistake(verdict))
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
    if (bookVerdict::isTrickOrMistake(verdict)) {
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

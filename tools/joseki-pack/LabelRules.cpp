#include "LabelRules.h"

#include "GbkCharacters.h"

#include "core/Coordinates.h"

#include <algorithm>

namespace joseki::pack::labels {

namespace {

constexpr std::string_view kSeparator = "][";
constexpr std::size_t kPointLength = 2;
constexpr char kColon = ':';

std::string spaced(const std::string& letters)
{
    std::string out;
    for (const char letter : letters)
        out += (out.empty() ? "" : " ") + std::string(1, letter);
    return out;
}

bool isLetterLabel(const std::string& text) { return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z'; }

void checkEachLabel(const std::vector<Label>& list, std::vector<std::string>& out)
{
    std::string seen;
    for (const Label& label : list) {
        const std::string where = coordinates::sgfName(label.point);
        if (!onBoard(label.point))
            out.push_back("a label off the board: " + where + ":" + label.text);
        else if (!isLetterLabel(label.text))
            out.push_back("the label at " + coordinates::boardName(label.point) +
                          " is not one capital letter: " + label.text);
        else if (seen.find(label.text[0]) != std::string::npos)
            out.push_back("the letter " + label.text + " labels two points");
        else
            seen += label.text[0];
    }
}

} // namespace

std::vector<Label> parse(std::string_view list, std::vector<std::string>& malformed)
{
    std::vector<Label> out;
    std::size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        std::size_t end = list.find(kSeparator, start);
        if (end == std::string_view::npos)
            end = list.size();
        const std::string_view entry = list.substr(start, end - start);
        const std::optional<Point> point =
            entry.size() > kPointLength ? coordinates::parseSgfName(entry.substr(0, kPointLength)) : std::nullopt;
        if (point.has_value() && entry[kPointLength] == kColon)
            out.push_back({*point, std::string(entry.substr(kPointLength + 1))});
        else if (!entry.empty())
            malformed.emplace_back(entry);
        start = end + kSeparator.size();
    }
    return out;
}

std::string lettersNamed(std::string_view comment)
{
    const characters::CharacterList text = characters::split(comment);
    std::string letters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (characters::isStandaloneCapital(text, i) && letters.find(text[i][0]) == std::string::npos)
            letters += text[i][0];
    }
    std::sort(letters.begin(), letters.end());
    return letters;
}

std::vector<std::string> problems(std::string_view list, std::string_view comment)
{
    std::vector<std::string> out;
    std::vector<std::string> malformed;
    const std::vector<Label> parsed = parse(list, malformed);
    for (const std::string& entry : malformed)
        out.push_back("a label entry that is not point:letter: " + entry);
    checkEachLabel(parsed, out);
    const std::string named = lettersNamed(comment);
    std::string labelled;
    for (const Label& label : parsed)
        if (isLetterLabel(label.text) && labelled.find(label.text[0]) == std::string::npos)
            labelled += label.text[0];
    std::string unlabelled;
    std::string unnamed;
    for (const char letter : named)
        if (labelled.find(letter) == std::string::npos)
            unlabelled += letter;
    std::sort(labelled.begin(), labelled.end());
    for (const char letter : labelled)
        if (named.find(letter) == std::string::npos)
            unnamed += letter;
    if (!unlabelled.empty())
        out.push_back("letters named without a label: " + spaced(unlabelled));
    if (!unnamed.empty())
        out.push_back("labels not named in the comment: " + spaced(unnamed));
    return out;
}

Point pointOf(const std::vector<Label>& labels, char letter)
{
    for (const Label& label : labels)
        if (label.text.size() == 1 && label.text[0] == letter && onBoard(label.point))
            return label.point;
    return kNoMovePoint;
}

} // namespace joseki::pack::labels

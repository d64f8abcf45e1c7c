#include "PathFollower.h"

#include "MovePaths.h"

#include "core/Coordinates.h"
#include "core/JosekiEngine.h"
#include "core/Stone.h"
#include "core/VariationNode.h"

#include <optional>
#include <sstream>

namespace joseki::pack {

namespace {

constexpr char kTenukiWord[] = "tenuki";

std::vector<std::string> wordsOf(const std::vector<std::string>& operands)
{
    std::vector<std::string> words;
    for (const std::string& operand : operands) {
        std::istringstream stream(operand);
        for (std::string word; stream >> word;)
            words.push_back(word);
    }
    return words;
}

// The stone of a colour word "B" or "W" (either case), or no stone.
std::int8_t colourOfWord(const std::string& word) { return word.size() == 1 ? stoneForColourLetter(word[0]) : kEmpty; }

std::optional<Point> pointOfWord(const std::string& word)
{
    if (word == kTenukiWord)
        return kNoMovePoint;
    return coordinates::parseBoardName(word);
}

// The move as the user wrote it, with its colour word when there was one.
std::string writtenMove(const std::vector<std::string>& words, std::size_t pointWord, bool withColour)
{
    return withColour ? words[pointWord - 1] + " " + words[pointWord] : words[pointWord];
}

} // namespace

bool PathFollower::follow(const VariationNode& root, const std::vector<std::string>& operands,
                          std::vector<const VariationNode*>& nodes, std::string& problem)
{
    nodes.assign(1, &root);
    std::string followed = "the root";
    const std::vector<std::string> words = wordsOf(operands);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::int8_t colour = colourOfWord(words[i]);
        if (colour != kEmpty && ++i == words.size()) {
            problem = "the colour " + words[i - 1] + " at the end has no point after it";
            return false;
        }
        const std::optional<Point> point = pointOfWord(words[i]);
        if (!point) {
            problem = "'" + words[i] + "' is neither a colour B or W, a point such as Q16, nor tenuki";
            return false;
        }
        const VariationNode* child = JosekiEngine::childAt(nodes.back(), point->col, point->row);
        if (child == nullptr) {
            problem = "no continuation " + writtenMove(words, i, colour != kEmpty) + " after " + followed;
            return false;
        }
        if (colour != kEmpty && stoneForColourLetter(child->color) != colour) {
            problem = "the continuation at " + words[i] + " after " + followed + " is not " + words[i - 1];
            return false;
        }
        nodes.push_back(child);
        const std::string played = MovePaths::moveName(child->color, Point{child->col, child->row});
        followed = nodes.size() == 2 ? played : followed + " " + played;
    }
    return true;
}

} // namespace joseki::pack

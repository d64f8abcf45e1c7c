#include "core/Coordinates.h"

#include <array>
#include <charconv>

namespace joseki::coordinates {

namespace {

// Column letters: I is used, K is left out.
constexpr std::array<char, kBoardSize> kColumnLetters = {
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T',
};
constexpr char kOffBoardLetter = '?';
constexpr char kFirstSgfLetter = 'a';
constexpr char kLowerToUpper = 'a' - 'A';
constexpr std::size_t kSgfNameLength = 2;

int sgfValue(char letter) { return letter - kFirstSgfLetter; }

} // namespace

char boardLetter(int col)
{
    if (col < 0 || col >= kBoardSize)
        return kOffBoardLetter;
    return kColumnLetters[static_cast<std::size_t>(col)];
}

int boardRowNumber(int row) { return kBoardSize - row; }

std::string boardName(Point p)
{
    if (!onBoard(p))
        return {};
    return boardLetter(p.col) + std::to_string(boardRowNumber(p.row));
}

std::optional<Point> parseBoardName(std::string_view name)
{
    if (name.size() < 2)
        return std::nullopt;
    const char letter = name[0] >= 'a' && name[0] <= 'z' ? static_cast<char>(name[0] - kLowerToUpper) : name[0];
    int col = -1;
    for (int c = 0; c < kBoardSize; ++c)
        col = kColumnLetters[static_cast<std::size_t>(c)] == letter ? c : col;
    int number = 0;
    const std::string_view digits = name.substr(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (col < 0 || error != std::errc() || end != digits.data() + digits.size() || number < 1 || number > kBoardSize)
        return std::nullopt;
    return Point{col, kBoardSize - number};
}

char sgfLetter(int value) { return static_cast<char>(kFirstSgfLetter + value); }

std::string sgfName(Point p)
{
    if (p == kNoMovePoint || onBoard(p))
        return std::string{sgfLetter(p.col), sgfLetter(p.row)};
    return {};
}

std::optional<Point> parseSgfName(std::string_view name)
{
    if (name.size() != kSgfNameLength)
        return std::nullopt;
    const Point p{sgfValue(name[0]), sgfValue(name[1])};
    if (p == kNoMovePoint || onBoard(p))
        return p;
    return std::nullopt;
}

} // namespace joseki::coordinates

#include "core/BoardDiagram.h"

#include <vector>

namespace joseki::diagram {

namespace {

bool isCell(char c) { return c == kEmptyCell || c == kBlackCell || c == kWhiteCell; }

std::vector<std::string> cellLines(std::string_view diagram)
{
    std::vector<std::string> lines;
    std::string cells;
    for (std::size_t i = 0; i <= diagram.size(); ++i) {
        if (i == diagram.size() || diagram[i] == '\n') {
            if (!cells.empty())
                lines.push_back(cells);
            cells.clear();
        } else if (isCell(diagram[i])) {
            cells.push_back(diagram[i]);
        }
    }
    return lines;
}

char cellOf(std::int8_t code) { return code == kBlack ? kBlackCell : code == kWhite ? kWhiteCell : kEmptyCell; }

} // namespace

Stones parse(std::string_view diagram)
{
    Stones stones{};
    const std::vector<std::string> lines = cellLines(diagram);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        for (std::size_t col = 0; col < lines[row].size(); ++col) {
            const int c = static_cast<int>(col);
            const int r = static_cast<int>(row);
            if (!onBoard(c, r))
                continue;
            const char cell = lines[row][col];
            stones[static_cast<std::size_t>(pointIndex(c, r))] = cell == kBlackCell   ? kBlack
                                                                 : cell == kWhiteCell ? kWhite
                                                                                      : kEmpty;
        }
    }
    return stones;
}

std::string print(const Stones& stones, int cols, int rows)
{
    std::string out;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col)
            out.push_back(onBoard(col, row) ? cellOf(stones[static_cast<std::size_t>(pointIndex(col, row))])
                                            : kEmptyCell);
        out.push_back('\n');
    }
    return out;
}

int cols(std::string_view diagram)
{
    const std::vector<std::string> lines = cellLines(diagram);
    return lines.empty() ? 0 : static_cast<int>(lines.front().size());
}

int rows(std::string_view diagram) { return static_cast<int>(cellLines(diagram).size()); }

} // namespace joseki::diagram

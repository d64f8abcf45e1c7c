#include "tests/support/BoardDiagram.h"

#include <sstream>
#include <vector>

namespace joseki::test {

namespace {

std::vector<std::string> diagramLines(const std::string& diagram)
{
    std::vector<std::string> lines;
    std::istringstream in(diagram);
    std::string line;
    while (std::getline(in, line)) {
        std::string cells;
        for (char c : line) {
            if (c == '.' || c == 'X' || c == 'O')
                cells.push_back(c);
        }
        if (!cells.empty())
            lines.push_back(cells);
    }
    return lines;
}

} // namespace

void setDiagram(BoardPosition& position, const std::string& diagram)
{
    position.clear();
    const std::vector<std::string> lines = diagramLines(diagram);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        for (std::size_t col = 0; col < lines[row].size(); ++col) {
            const char c = lines[row][col];
            position.board[static_cast<std::size_t>(pointIndex(static_cast<int>(col), static_cast<int>(row)))] =
                c == 'X' ? kBlack : c == 'O' ? kWhite : kEmpty;
        }
    }
}

std::string diagramOf(const BoardPosition& position, int cols, int rows)
{
    std::string out;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const std::int8_t code = position.at(col, row);
            out.push_back(code == kBlack ? 'X' : code == kWhite ? 'O' : '.');
        }
        out.push_back('\n');
    }
    return out;
}

int diagramCols(const std::string& diagram)
{
    const std::vector<std::string> lines = diagramLines(diagram);
    return lines.empty() ? 0 : static_cast<int>(lines.front().size());
}

int diagramRows(const std::string& diagram) { return static_cast<int>(diagramLines(diagram).size()); }

} // namespace joseki::test

#pragma once

#include "core/BoardPosition.h"

#include <string>

namespace joseki::test {

// Board diagrams for tests: rows of the top-left corner of the board, top row
// first, one character per column: '.' empty, 'X' black, 'O' white. Points the
// diagram does not cover are empty.
void setDiagram(BoardPosition& position, const std::string& diagram);
std::string diagramOf(const BoardPosition& position, int cols, int rows);
// Columns and rows a diagram covers.
int diagramCols(const std::string& diagram);
int diagramRows(const std::string& diagram);

} // namespace joseki::test

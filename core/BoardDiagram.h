#pragma once

#include "core/Point.h"
#include "core/Stone.h"

#include <string>
#include <string_view>

// Positions as text, for tests, tools and reports. A diagram shows the
// top-left corner of the board, top row first, one character per column:
// '.' empty, 'X' black, 'O' white. Other characters (blanks between columns)
// are ignored, lines without a cell are skipped, and points the diagram does
// not cover are empty.
namespace joseki::diagram {

inline constexpr char kEmptyCell = '.';
inline constexpr char kBlackCell = 'X';
inline constexpr char kWhiteCell = 'O';

// The stones a diagram shows.
Stones parse(std::string_view diagram);
// The top-left cols x rows of the stones, one line per row ending in '\n'.
std::string print(const Stones& stones, int cols = kBoardSize, int rows = kBoardSize);
// Columns of the diagram's first row, and the number of its rows.
int cols(std::string_view diagram);
int rows(std::string_view diagram);

} // namespace joseki::diagram

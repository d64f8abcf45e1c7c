#pragma once

#include "core/Point.h"

#include <optional>
#include <string>
#include <string_view>

// Names of points. Board names are what the painted board shows: a column
// letter A..T without K (I is used), then the row number, 19 at the top row
// down to 1 at the bottom ("D16" is col 3, row 3). SGF names are the two
// letters of the library, 'a' = 0 for col then row ("dd"), with "tt" for the
// no-move marker.
namespace joseki::coordinates {

// Column letter of col 0..18 as the board shows it; '?' off the board.
char boardLetter(int col);
// Row number of row 0..18 as the board shows it: 19 - row.
int boardRowNumber(int row);
// "D16" for a point on the board; empty for anything else.
std::string boardName(Point p);
// The point of a board name (letter in either case, then 1..19); nothing for any other text.
std::optional<Point> parseBoardName(std::string_view name);

// SGF letter of a coordinate 0..19: 'a' + value.
char sgfLetter(int value);
// "dd" for a point on the board, "tt" for the no-move marker; empty for anything else.
std::string sgfName(Point p);
// The point of two SGF letters 'a'..'s', or the no-move marker for "tt"; nothing otherwise.
std::optional<Point> parseSgfName(std::string_view name);

} // namespace joseki::coordinates

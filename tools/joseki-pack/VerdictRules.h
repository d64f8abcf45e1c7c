#pragma once

#include "core/BookVerdict.h"

#include <string>
#include <string_view>
#include <vector>

namespace joseki::pack {

// The verdicts a line of the library ends with, as the browser reads them.
using Verdict = BookVerdict;

// The rules of the verdict markers 【定式】, 【变化】, 【骗着】 and 【失着】,
// on the browser's own reading of them (core/BookVerdict.h).
//
// Every leaf's comment ends with exactly one marker. Only leaves carry
// 【定式】 and 【变化】. The comment of a trick or mistake move opens with
// 【骗着】 or 【失着】; its line goes on past it with the punishing answer, so
// that the leaf is below that move and ends with the same marker. A line
// through a trick or a mistake is not 定式 or 变化.
namespace verdicts {

// markerOf, endingOf and openingOf as the browser reads them.
using bookVerdict::endingOf;
using bookVerdict::markerOf;
using bookVerdict::openingOf;

// True when the GBK comment holds nothing but blanks.
bool isBlank(std::string_view comment);

// What one node's comment breaks on its own: a leaf without exactly one
// marker at its end, 【定式】 or 【变化】 on an inner node, 【骗着】 or 【失着】
// inside an inner comment rather than at its start. Messages in GBK.
std::vector<std::string> commentProblems(std::string_view comment, bool leaf);

// The markers the comments above a leaf open with (the root down to its parent).
struct MarksAbove {
    bool trick = false;
    bool mistake = false;
};

// What a leaf's line breaks: a 【骗着】 or 【失着】 leaf with no move above it
// opening with that marker (the line stops at the move itself, or never had
// it), or a 【定式】 or 【变化】 line through a trick or mistake move.
std::vector<std::string> lineProblems(std::string_view leafComment, MarksAbove above);

} // namespace verdicts

} // namespace joseki::pack

#pragma once

#include "core/BookVerdict.h"
#include "core/Point.h"
#include "core/PositionIndex.h"
#include "core/PositionKey.h"

#include <cstdint>
#include <string>
#include <vector>

namespace joseki {
struct VariationNode;
}

// The words the book's answers are written in (GBK): moves, paths, verdicts
// and lists of continuations, as the comment box shows them.
namespace joseki::bookNotes {

// A line break in the comment box.
inline constexpr const char* kLineBreak = "\r\n";

// "黑" or "白"; empty for anything else.
std::string colourWord(std::int8_t colour);
// "黑R14" for a move on the board, "黑脱先" for one without a point.
std::string moveName(std::int8_t colour, Point move);
// The moves from the root to the node in the board's coordinates ("黑Q16 白R14"),
// nodes without a move left out; "空棋盘" for none. A long path names only its last moves.
std::string pathOf(const VariationNode& node);
// The word of a verdict; "未标注" for None.
std::string verdictWord(BookVerdict verdict);
// The verdicts of the lines below, with their counts: "定式2条、变化1条".
std::string verdictSummary(const VerdictTally& verdicts);
// The node's comment, then a line break and its name when it has one, as the browser shows it.
std::string nodeText(const VariationNode& node);
// "（方向不同，黑白互换）" as far as the orientation turns or swaps; empty for none.
std::string orientationNote(Orientation orientation);
// "黑R14（定式2条），白脱先（变化1条）": each continuation with its verdicts.
std::string continuationList(const std::vector<BookContinuation>& continuations);

} // namespace joseki::bookNotes

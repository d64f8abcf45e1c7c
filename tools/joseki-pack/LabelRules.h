#pragma once

#include "core/Point.h"

#include <string>
#include <string_view>
#include <vector>

namespace joseki::pack {

// One label of a node: its point and its text.
struct Label {
    Point point;
    std::string text;
};

// The rule that ties a comment's letters to the labels on the board: every
// capital letter standing alone in the comment ("A位", "B、C") is the text
// of a label at that node, and every label is named in the comment. A label
// is one capital letter on a point of the board, each letter on one point.
namespace labels {

// The labels of a node's label list as the reader keeps it ("qd:A][pc:B");
// entries that are not "xy:text" go to `malformed`.
std::vector<Label> parse(std::string_view list, std::vector<std::string>& malformed);

// The capital letters standing alone in a GBK comment (not inside a Latin
// word such as "KataGo"), each once, in alphabetical order.
std::string lettersNamed(std::string_view comment);

// What the labels and the comment break, one GBK message per problem.
std::vector<std::string> problems(std::string_view list, std::string_view comment);

// The point of the label with this letter, or the no-move marker.
Point pointOf(const std::vector<Label>& labels, char letter);

} // namespace labels

} // namespace joseki::pack

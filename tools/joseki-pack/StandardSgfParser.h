#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace joseki::pack {

// One property of a standard SGF node; values with their escapes resolved
// (a backslash takes the next character literally, a backslash before a line
// break removes both).
struct SgfProperty {
    std::string identifier;
    std::vector<std::string> values;
};

struct SgfNode {
    std::vector<SgfProperty> properties;
    std::vector<std::size_t> children; // indices into SgfTree::nodes, in written order
};

// A game tree as a flat list of nodes; nodes[0] is the root.
struct SgfTree {
    std::vector<SgfNode> nodes;
};

// Reader of standard SGF (FF[3] and FF[4]) for the converter. It skips text
// before the first game tree, keeps only the first game tree and uses an
// explicit stack, so no nesting depth can exhaust the call stack.
class StandardSgfParser {
public:
    // The value of the first CA property in raw file bytes, or empty.
    static std::string findCharset(std::string_view raw);

    // Parses the first game tree of a UTF-8 text; false with `error` ("line N: ...") when malformed.
    static bool parse(std::string_view text, SgfTree& tree, std::string& error);
};

} // namespace joseki::pack

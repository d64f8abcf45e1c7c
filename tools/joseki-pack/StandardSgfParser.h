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

// The game tree taken from a file, and what else the file held.
struct SgfCollection {
    SgfTree tree;                        // the chosen game tree
    std::size_t treeCount = 0;           // game trees read, the chosen one among them
    bool openedWithoutSemicolon = false; // the chosen tree's "(" was followed by properties, not ";"
    std::string unreadable;              // why text after the last tree read, looking like a tree, was not one
};

// Reader of standard SGF (FF[3] and FF[4]) for the converter. It skips text
// around the game trees and uses an explicit stack, so no nesting depth can
// exhaust the call stack.
namespace StandardSgfParser {

// The value of the first CA property in raw file bytes, or empty.
std::string findCharset(std::string_view raw);

// Reads the game trees of a UTF-8 text and keeps the `wanted`-th (from 1);
// false with `error` when that tree is missing or it or one before it is
// malformed ("line N: ..."). A malformed tree after it ends the count.
bool parse(std::string_view text, std::size_t wanted, SgfCollection& collection, std::string& error);

} // namespace StandardSgfParser

} // namespace joseki::pack

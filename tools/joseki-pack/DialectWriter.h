#pragma once

#include "StandardSgfParser.h"

#include <cstddef>
#include <map>
#include <string>

namespace joseki::pack {

// What the conversion had to change or leave out, for the user's information.
struct ConversionNotes {
    std::map<std::string, std::size_t> droppedProperties; // identifier -> count
    std::size_t replacedCharacters = 0;                   // characters written as "?"
    std::string firstReplaced;                            // UTF-8 of the first of them
    std::size_t movesMadeTenuki = 0;                      // moves off the 19x19 board
    std::size_t droppedPoints = 0;                        // setup and mark points off the board
    std::size_t droppedLabels = 0;                        // labels the browser cannot show
    std::size_t cutValues = 0;                            // values cut to the reader's limit
};

// Writes a standard SGF tree in the library dialect, in GBK, keeping every
// node and the order of variations, so that the system's reader takes it
// without a message: only identifiers it knows, every move on the board or
// the tenuki "tt", no backslash, no "]" inside a value but one the reader
// joins to a "[" after it (so a text read from a library comes back whole),
// no value over the reader's limit, at most the labels the browser lists.
namespace DialectWriter {

// The dialect text of the tree (iterative over the tree's shape).
std::string write(const SgfTree& tree, ConversionNotes& notes);

} // namespace DialectWriter

} // namespace joseki::pack

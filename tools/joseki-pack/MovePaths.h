#pragma once

#include "core/Point.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace joseki::pack {

// Names of nodes by their path of moves from the root, in the board's own
// coordinates as the browser paints them: "B Q16 W R14 B tenuki W R17".
class MovePaths {
public:
    static constexpr std::size_t kNoParent = std::numeric_limits<std::size_t>::max();

    // "B Q16", "W tenuki" (a move without a point), "(no move)" without a colour.
    static std::string moveName(char colour, Point move);
    // The same, appended to `out`.
    static void appendMoveName(std::string& out, char colour, Point move);

    // Notes a node below `parent` (kNoParent for the root) and returns its number.
    std::size_t add(std::size_t parent, char colour, Point move);
    // The moves from the root down to the node, "root" for the root; a path of
    // more than 80 moves is named by its first 10 and its last 40.
    std::string name(std::size_t node) const;
    void clear() { records_.clear(); }

private:
    struct Record {
        std::size_t parent;
        char colour;
        Point move;
    };
    std::vector<Record> records_;
};

} // namespace joseki::pack

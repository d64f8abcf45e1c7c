#pragma once

#include "MoveShape.h"

#include <string>

namespace joseki::pack {

// The shape of a move in words, for library authors (`joseki-pack describe`).
namespace description {

// One line (GBK): the stones it touches and in which direction, its own
// stones next to it, diagonal, a jump, a knight's and a large knight's move
// away, its line from each edge, its side, what it captures and puts in
// atari, and the terms the shape admits; e.g. "touches R16 (below); own
// diagonal Q16 (lower left); lines top 3, right 2, bottom 17, left 18 (二路);
// side 角上; captures 0; ataris 0; terms 靠 托 碰 点 挂".
std::string ofShape(const MoveShape& shape);

} // namespace description

} // namespace joseki::pack

#pragma once

#include "LeadClause.h"
#include "MoveShape.h"

#include <string>
#include <vector>

namespace joseki::pack {

// Clear contradictions between the term a lead clause gives a move and the
// move's shape: 飞 or 跳 in contact, 托 or 扳 touching nothing, 长 for a
// hane, 二路 on the third line, 提 with nothing captured, 右边 on the upper
// side, and the like. Terms whose meaning depends on other stones (挂, 夹, 封,
// 挡, …) only silence the distance checks; anything unclear is let pass.
namespace terms {

// One problem per contradiction, each "<term> for <what the move is>" in GBK; empty when the clause fits.
std::vector<std::string> contradictions(const LeadClause& clause, const MoveShape& shape);

} // namespace terms

} // namespace joseki::pack

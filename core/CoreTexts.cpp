#include "core/CoreTexts.h"

namespace joseki::coreTexts {

const char* const kBadBranchInfo = "错误的分支信息";
const char* const kTooManyBranches = "太多选择的分支信息";
const char* const kIllegalStone = "非法的棋子";

} // namespace joseki::coreTexts

#include "core/CoreTexts.h"

namespace joseki::coreTexts {

const char* const kBadBranchInfo = "错误的分支信息";
const char* const kTooManyBranches = "太多选择的分支信息";
const char* const kIllegalStone = "非法的棋子";

const char* const kJosekiMarker = "【定式】";
const char* const kVariationMarker = "【变化】";
const char* const kTrickMarker = "【骗着】";
const char* const kMistakeMarker = "【失着】";
const char* const kCommentBlanks = " \t\r\n　";

} // namespace joseki::coreTexts

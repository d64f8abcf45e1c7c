#include "tests/support/SystemTexts.h"

namespace joseki::test::texts {

const std::string kTooManyBranches = "太多选择的分支信息";
const std::string kBadBranchInfo = "错误的分支信息";
const std::string kIllegalStone = "非法的棋子";
const std::string kBadCoordinate = "错误的坐标值";
const std::string kBadIdentifier = "未明的关键词";
const std::string kUnknownIdentifier = "未知的关键词";
const std::string kTooLong = "过长的内容";
const std::string kStrayEscape = "提示转义符";

const std::string kWelcome = "\r\n\r\n欢迎使用Kavo围棋定式大全4.0";
const std::string kTrialNotice = "您正在试下研讨状态";
const std::string kTrialCaption = "试 下";
const std::string kTrialAgainCaption = "重新试下";
const std::string kSeveralBranches = "有多个分支,请在棋盘上选择";
const std::string kHelp = "欢迎有兴趣的朋友帮助我制作帮助、图标或界面美化，或提出建议，谢谢！";
const std::string kDefaultMoveNumberEntry = "最后5手";

} // namespace joseki::test::texts

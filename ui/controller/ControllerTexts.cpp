#include "ui/controller/ControllerTexts.h"

namespace joseki::controllerTexts {

const char* const kWelcome = "\r\n\r\n欢迎使用Kavo围棋定式大全4.0";
const char* const kDefaultMoveNumberEntry = "最后5手";
const char* const kTrialNotice = "您正在试下研讨状态";
const char* const kTrialCaption = "试 下";
const char* const kTrialAgainCaption = "重新试下";
const char* const kHelp = "欢迎有兴趣的朋友帮助我制作帮助、图标或界面美化，或提出建议，谢谢！";
const char* const kSeveralBranches = "有多个分支,请在棋盘上选择";

} // namespace joseki::controllerTexts

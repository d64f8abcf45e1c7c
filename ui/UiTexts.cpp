#include "ui/UiTexts.h"

namespace joseki::uiTexts {

const char kKeyLeft[] = "←";
const char kKeyRight[] = "→";
const char kKeyDown[] = "↓";
const char kKeyUp[] = "↑";
const char kBackText[] = "后退一手（试下时悔一手）";
const char kForwardText[] = "前进一手（只有一种下法时，或走到高亮的候选点）";
const char kHighlightNextText[] = "依次高亮候选点";
const char kUpBranchText[] = "上分支";
const char kCollectStonesText[] = "收子";
const char kToBranchPointText[] = "一直走到下一个分支点";
const char kStepToLabelText[] = "走到该字母标出的候选点";
const char kTenukiText[] = "脱先";
const char kAutoPlayText[] = "自动进行";
const char kTrialText[] = "试下 / 重新试下";
const char kTrialEndText[] = "试下结束";
const char kFewerNumbersText[] = "少显示手数";
const char kMoreNumbersText[] = "多显示手数";
const char kCoordinatesText[] = "坐标";
const char kTextureText[] = "棋盘纹";
const char kCopyLineText[] = "复制棋谱 (SGF)";
const char kKeysPrefix[] = "快捷键：";
const char kKeySeparator[] = " 或 ";
const char kEntrySeparator[] = "，";
const char kWheelLine[] = "鼠标滚轮（在棋盘上）：向上后退，向下前进（只有一种下法时）";

const char kHintCaption[] = "鼠标左键在棋盘选点,右键回退";
const char kAboutCaption[] = "关 于";
const char kHelpCaption[] = "帮 助";
const char kCollectCaption[] = "收 子";
const char kUpBranchCaption[] = "上分支";
const char kAutoPlayCaption[] = "自动进行";
const char kTenukiCaption[] = "脱 先";
const char kMoveNumberCaption[] = "手数";
const char kWebsiteCaption[] = " 围棋网站";
const char kTrialCaption[] = "试 下";
const char kTrialRestartCaption[] = "重新试下";
const char kTrialEndCaption[] = "试下结束";
const char kCoordinatesCaption[] = "坐标";
const char kTextureCaption[] = "棋盘纹";
const char kAcknowledgeCaption[] = "鸣 谢";
const char kDialogCaption[] = "Kavo围棋定式大全 4.1 版    \t\t网上对弈，现学现用，如虎添翼";

const char kNoMoveNumbers[] = "不显示";
const char kLastMoveNumber[] = "最后1手";
const char kLastTwoMoveNumbers[] = "最后2手";
const char kLastFiveMoveNumbers[] = "最后5手";
const char kLastTenMoveNumbers[] = "最后10手";
const char kAllMoveNumbers[] = "显示全部";

const char kCloseQuestion[] = "您确定要退出吗？";
const char kAcknowledgementEntry[] = "鸣谢●Kavo定式(&A)...";

const char kMessageCaption[] = "Kavo围棋定式 4.1 版";
const char kOkButton[] = "确定";
const char kCancelButton[] = "取消";
const char kYesButton[] = "是(&Y)";
const char kNoButton[] = "否(&N)";
const char kAbortButton[] = "中止(&A)";
const char kRetryButton[] = "重试(&R)";
const char kIgnoreButton[] = "忽略(&I)";

const char kAcknowledgementsCaption[] = "鸣谢 Kavo定式";
const char kProductLine[] = "Kavo定式详解4 ";
const char kCreditLine[] = "围棋爱好者编写，供棋友学习定式";
const char kThanks[] = "\n"
                       "感谢历代棋手：他们的对局与讲解让这些定式广为流传。\n"
                       "感谢试用本程序并指出错误的朋友们。\n"
                       "感谢来信提出建议的用户，你们的意见使本程序不断完善。\n"
                       "愿大家在棋盘上有所收获，棋艺日进！";

const char kThanksLink[] = "鸣谢";
const char kPanelText[] = "Kavo围棋定式大全 4.1 版\n学好定式，下好每一盘棋";
const char kYichengSite[] = "弈城";
const char kQingfengSite[] = "清风";
const char kZhongweiSite[] = "中围";
const char kWeiqi8Site[] = "围棋8";
const char kXinruiSite[] = "新锐";
const char kBoyiSite[] = "博弈";

} // namespace joseki::uiTexts

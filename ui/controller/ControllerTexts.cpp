#include "ui/controller/ControllerTexts.h"

namespace joseki::controllerTexts {

const char* const kWelcome = "\r\n\r\n欢迎使用Kavo围棋定式大全4.0";
const char* const kDefaultMoveNumberEntry = "最后5手";
const char* const kTrialNotice = "您正在试下研讨状态";
const char* const kTrialCaption = "试 下";
const char* const kTrialAgainCaption = "重新试下";
const char* const kHelp = "欢迎有兴趣的朋友帮助我制作帮助、图标或界面美化，或提出建议，谢谢！";
const char* const kSeveralBranches = "有多个分支,请在棋盘上选择";

const char* const kBlackWord = "黑";
const char* const kWhiteWord = "白";
const char* const kTenukiWord = "脱先";
const char* const kJosekiWord = "定式";
const char* const kVariationWord = "变化";
const char* const kTrickWord = "骗着";
const char* const kMistakeWord = "失着";
const char* const kUnmarkedWord = "未标注";
const char* const kLinesUnit = "条";
const char* const kListSeparator = "，";
const char* const kSummarySeparator = "、";
const char* const kStatementEnd = "。";
const char* const kEmptyBoardPath = "空棋盘";
const char* const kMorePathBefore = "……";
const char* const kNoteOpen = "（";
const char* const kNoteClose = "）";
const char* const kTurnedNote = "方向不同";
const char* const kSwappedNote = "黑白互换";
const char* const kTranspositions = "同形变化：";

const char* const kTrialInBook = "仍在定式库中。";
const char* const kTrialBookNext = "定式库的下一手：";
const char* const kTrialBookEnds = "定式库中此变化到此为止。";
const char* const kMoveOrdinalOpen = "第";
const char* const kMoveOrdinalClose = "手";
const char* const kTrialLeftBook = "离开了定式库。";
const char* const kTrialBookPlayed = "定式库在此处下：";
const char* const kTrialBookPath = "定式库中的位置：";
const char* const kTrialStartNotInBook = "试下开始时的局面不在定式库中。";

const char* const kPracticeTitle = "练习本变化：";
const char* const kRandomPracticeTitle = "随机方向练习：";
const char* const kPracticeYouPlay = "您执";
const char* const kPracticeYou = "您：";
const char* const kPracticeOpponent = "对方：";
const char* const kPracticeYourTurn = "轮到您下。";
const char* const kPracticeNotInBook = "不在定式库中";
const char* const kPracticeMissesOpen = "此处已错";
const char* const kPracticeMissesClose = "次";
const char* const kPracticeTryAgain = "请再试。";
const char* const kPracticeShowBook = "定式库的下法已在棋盘上标出：";
const char* const kPracticeReportOpen = "练习结束：一次找到";
const char* const kPracticeReportFound = "手，错";
const char* const kPracticeReportMisses = "次，本变化的结论：";
const char* const kPracticeNextLine = "单击棋盘练习下一个变化，按Esc结束练习。";

const char* const kShowTranspositionsEntry = "显示同形变化";
const char* const kGoToTranspositionEntry = "转到同形变化";
const char* const kTrialCheckEntry = "试下时对照定式";
const char* const kBackToBookEntry = "回到定式";
const char* const kPracticeEntry = "练习本变化";
const char* const kPracticeBlackEntry = "执黑练习";
const char* const kPracticeWhiteEntry = "执白练习";
const char* const kRandomPracticeEntry = "随机方向练习";
const char* const kEndPracticeEntry = "结束练习";

} // namespace joseki::controllerTexts

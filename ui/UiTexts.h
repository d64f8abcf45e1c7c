#pragma once

// The texts the Qt layer shows (GBK), in one table: the only file of this
// layer that holds non-ASCII text, so it alone needs the compiler's GBK
// treatment. They are arrays rather than pointers so that constexpr tables
// elsewhere can hold their addresses.
namespace joseki::uiTexts {

// Tooltips of the board and the buttons.
extern const char kKeyLeft[];           // the Left key in a tooltip
extern const char kKeyRight[];          // the Right key in a tooltip
extern const char kKeyDown[];           // the Down key in a tooltip
extern const char kKeyUp[];             // the Up key in a tooltip
extern const char kBackText[];          // what the back command does
extern const char kForwardText[];       // what the forward command does
extern const char kHighlightNextText[]; // what the highlight command does
extern const char kUpBranchText[];      // what the up-branch command does
extern const char kCollectStonesText[]; // what the collect command does
extern const char kToBranchPointText[]; // what the to-branch-point command does
extern const char kStepToLabelText[];   // what a letter key does
extern const char kTenukiText[];        // what the tenuki command does
extern const char kAutoPlayText[];      // what the auto-play command does
extern const char kTrialText[];         // what the trial command does
extern const char kTrialEndText[];      // what the end-of-trial command does
extern const char kFewerNumbersText[];  // what the fewer-numbers command does
extern const char kMoreNumbersText[];   // what the more-numbers command does
extern const char kCoordinatesText[];   // what the coordinates command does
extern const char kTextureText[];       // what the texture command does
extern const char kCopyLineText[];      // what the copy command does; also its menu entry
extern const char kKeysPrefix[];        // before the keys of a tooltip
extern const char kKeySeparator[];      // between two keys of one command
extern const char kEntrySeparator[];    // between the entries of a tooltip
extern const char kWheelLine[];         // the wheel's line of the board tooltip

// Captions of the dialog template's controls.
extern const char kHintCaption[];         // the hint line under the comment box
extern const char kAboutCaption[];        // the about button and link
extern const char kHelpCaption[];         // the hidden help button
extern const char kCollectCaption[];      // the collect button
extern const char kUpBranchCaption[];     // the up-branch button
extern const char kAutoPlayCaption[];     // the auto-play button
extern const char kTenukiCaption[];       // the tenuki button
extern const char kMoveNumberCaption[];   // the label of the move-number list
extern const char kWebsiteCaption[];      // the strip of website links
extern const char kTrialCaption[];        // the trial button
extern const char kTrialRestartCaption[]; // the hidden trial-restart button
extern const char kTrialEndCaption[];     // the end-of-trial button
extern const char kCoordinatesCaption[];  // the coordinates check box
extern const char kTextureCaption[];      // the texture button
extern const char kAcknowledgeCaption[];  // the hidden acknowledgements button
extern const char kDialogCaption[];       // the main window's title bar

// Entries of the move-number list.
extern const char kNoMoveNumbers[];       // no numbers
extern const char kLastMoveNumber[];      // the last move numbered
extern const char kLastTwoMoveNumbers[];  // the last two moves
extern const char kLastFiveMoveNumbers[]; // the last five moves
extern const char kLastTenMoveNumbers[];  // the last ten moves
extern const char kAllMoveNumbers[];      // every move

// The main window's question and menus.
extern const char kCloseQuestion[];        // the box asked before the window closes
extern const char kAcknowledgementEntry[]; // the system menu's and background menu's entry

// Message boxes.
extern const char kMessageCaption[]; // the title bar of every message box
extern const char kOkButton[];       // a box's OK button; also the acknowledgements' button
extern const char kCancelButton[];   // a box's Cancel button
extern const char kYesButton[];      // a box's Yes button
extern const char kNoButton[];       // a box's No button
extern const char kAbortButton[];    // a box's Abort button
extern const char kRetryButton[];    // a box's Retry button
extern const char kIgnoreButton[];   // a box's Ignore button

// The acknowledgements window.
extern const char kAcknowledgementsCaption[]; // its title bar
extern const char kProductLine[];             // the line beside the icon
extern const char kCreditLine[];              // the line under it
extern const char kThanks[]; // the thanks panel; starts with a line feed so they begin on its second line

// The information panel and the website strip.
extern const char kThanksLink[];   // the acknowledgements link of the panel
extern const char kPanelText[];    // the lines above the panel's links
extern const char kYichengSite[];  // a website link
extern const char kQingfengSite[]; // a website link
extern const char kZhongweiSite[]; // a website link
extern const char kWeiqi8Site[];   // a website link
extern const char kXinruiSite[];   // a website link
extern const char kBoyiSite[];     // a website link

} // namespace joseki::uiTexts

#pragma once

// The texts the controller puts into the window (GBK), in one table: the only
// file of this layer that holds non-ASCII text, so it alone needs the
// compiler's GBK treatment.
namespace joseki::controllerTexts {

extern const char* const kWelcome;                // the comment box at start-up
extern const char* const kDefaultMoveNumberEntry; // the move-number entry chosen at start-up
extern const char* const kTrialNotice;            // the comment box during trial play
extern const char* const kTrialCaption;           // button 1030 before a trial move
extern const char* const kTrialAgainCaption;      // button 1030 after one
extern const char* const kHelp;                   // the hidden help button's box
extern const char* const kSeveralBranches;        // ">" at a branch point

// Words of the book's answers: moves, verdicts, paths.
extern const char* const kBlackWord;        // a black move or the black side
extern const char* const kWhiteWord;        // a white move or the white side
extern const char* const kTenukiWord;       // a move played elsewhere
extern const char* const kJosekiWord;       // the verdict 定式
extern const char* const kVariationWord;    // the verdict 变化
extern const char* const kTrickWord;        // the verdict 骗着
extern const char* const kMistakeWord;      // the verdict 失着
extern const char* const kUnmarkedWord;     // a line whose leaf says no verdict
extern const char* const kLinesUnit;        // after a count of lines: "定式2条"
extern const char* const kListSeparator;    // between the entries of a list
extern const char* const kSummarySeparator; // between the verdicts of one entry
extern const char* const kStatementEnd;     // the full stop of a sentence
extern const char* const kEmptyBoardPath;   // the path of the root
extern const char* const kMorePathBefore;   // stands for the first moves of a path too long to name
extern const char* const kNoteOpen;         // brackets around a note
extern const char* const kNoteClose;
extern const char* const kTurnedNote;     // a place in another corner or orientation
extern const char* const kSwappedNote;    // a place with black and white exchanged
extern const char* const kTranspositions; // before the list of the other places of a position

// Trial play looked up in the book.
extern const char* const kTrialInBook;         // the trial position stands in the book
extern const char* const kTrialBookNext;       // before the book's continuations
extern const char* const kTrialBookEnds;       // the book's line ends at this position
extern const char* const kMoveOrdinalOpen;     // "第3手": before the number of a move
extern const char* const kMoveOrdinalClose;    // after it
extern const char* const kTrialLeftBook;       // after the move that left the book
extern const char* const kTrialBookPlayed;     // before what the book plays instead
extern const char* const kTrialBookPath;       // before the path of the book's position
extern const char* const kTrialStartNotInBook; // trial play began outside the book

// Practice.
extern const char* const kPracticeTitle;        // practice of the line at the cursor
extern const char* const kRandomPracticeTitle;  // the same in a random corner, orientation and colour
extern const char* const kPracticeYouPlay;      // before the student's colour
extern const char* const kPracticeYou;          // before the student's move
extern const char* const kPracticeOpponent;     // before the program's move
extern const char* const kPracticeYourTurn;     // the student is to move
extern const char* const kPracticeNotInBook;    // a move the book does not know
extern const char* const kPracticeMissesOpen;   // "此处已错2次": before the count of misses here
extern const char* const kPracticeMissesClose;  // after it
extern const char* const kPracticeTryAgain;     // after a miss
extern const char* const kPracticeShowBook;     // the book moves are marked after the third miss
extern const char* const kPracticeReportOpen;   // the end report: before the moves found at the first try
extern const char* const kPracticeReportFound;  // after that count, before the misses
extern const char* const kPracticeReportMisses; // after the misses, before the verdict of the line
extern const char* const kPracticeNextLine;     // how to go on after the report

// Entries of the background menu for the book's answers.
extern const char* const kShowTranspositionsEntry; // option: the other places of the browsed position
extern const char* const kGoToTranspositionEntry;  // to the next of them
extern const char* const kTrialCheckEntry;         // option: trial play read against the book
extern const char* const kBackToBookEntry;         // trial play ends at the book node of its position
extern const char* const kPracticeEntry;           // the submenu of practice
extern const char* const kPracticeBlackEntry;      // practice playing black
extern const char* const kPracticeWhiteEntry;      // practice playing white
extern const char* const kRandomPracticeEntry;     // practice in a random corner, orientation and colour
extern const char* const kEndPracticeEntry;        // back to the position practice started from

} // namespace joseki::controllerTexts

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

} // namespace joseki::controllerTexts

#pragma once

#include <string>

// The system's texts as tests expect them, written out once here (GBK)
// rather than taken from the code under test, so a wrong text fails.
namespace joseki::test::texts {

// Message boxes of the engine and the reader.
extern const std::string kTooManyBranches;
extern const std::string kBadBranchInfo;
extern const std::string kIllegalStone;
extern const std::string kBadCoordinate;
extern const std::string kBadIdentifier;
extern const std::string kUnknownIdentifier;
extern const std::string kTooLong;
extern const std::string kStrayEscape;

// The window's texts set by the controller.
extern const std::string kWelcome;
extern const std::string kTrialNotice;
extern const std::string kTrialCaption;
extern const std::string kTrialAgainCaption;
extern const std::string kSeveralBranches;
extern const std::string kHelp;
extern const std::string kDefaultMoveNumberEntry;

} // namespace joseki::test::texts

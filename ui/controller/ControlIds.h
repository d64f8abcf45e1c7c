#pragma once

namespace joseki {

// Numbers of the main dialog's controls. Commands and the view address
// controls by these numbers.
enum ControlId : int {
    kCommentBox = 1011,
    kAboutButton = 1012,
    kHelpButton = 1013,
    kUpBranchButton = 1015,
    kBackButton = 1016,
    kInfoPanel = 1017,
    kWebsiteStrip = 1018,
    kNextButton = 1019,
    kAutoPlayButton = 1020,
    kSpeedEdit = 1021,
    kSpeedSpin = 1022,
    kTrialRestartButton = 1023,
    kCollectButton = 1024,
    kPicture = 1025,
    kHintLine = 1026,
    kMoveNumberLabel = 1027,
    kTenukiButton = 1028,
    kMoveNumberCombo = 1029,
    kTrialButton = 1030,
    kTrialEndButton = 1031,
    kAcknowledgeButton = 1033,
    kCoordinatesCheck = 1035,
    kTextureButton = 1036,
};

inline constexpr int kFirstControlId = 1011;
inline constexpr int kLastControlId = 1036;
inline constexpr int kControlIdSlots = kLastControlId - kFirstControlId + 1; // 26

} // namespace joseki

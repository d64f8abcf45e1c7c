#pragma once

namespace joseki {

// Board textures the texture button cycles through.
inline constexpr int kBoardTextureCount = 3;

// How the board is shown and what the speed is: the dialog's display state,
// owned by the controller and written only by its commands.
struct DisplayState {
    int autoPlaySpeed = 0;   // 1..10 once initialised
    int moveNumberMode = 5;  // the last k book stones are numbered; 0 none, 1000 all
    int showCoordinates = 1; // letters along the top, numbers down the right
    int boardTexture = 0;    // 0..2
    int trialMode = 0;       // 1 while trial play is on
    // The candidate the keys have highlighted, an index into the engine's
    // candidates; -1 when the keys are not choosing one.
    int highlightedCandidate = -1;
};

// The values held by the three option controls: speed edit 1021,
// coordinates check box 1035, texture button 1036.
struct ControlValues {
    int autoPlaySpeed = 0;
    int showCoordinates = 1;
    int boardTexture = 0;
};

} // namespace joseki

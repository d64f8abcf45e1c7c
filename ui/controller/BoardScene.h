#pragma once

#include "core/BoardPosition.h"
#include "core/JosekiEngine.h"
#include "ui/controller/DisplayState.h"

#include <array>
#include <optional>
#include <vector>

namespace joseki {

class TrialBoard;

// One frame of the board: everything the painter draws, as a plain value
// taken from the engine's and the trial board's published state and the
// display state. The painter reads nothing else of the program.
struct BoardScene {
    bool loaded = false;    // the library is loaded: a position is drawn
    int trialMode = 0;      // the trial band and the trial position
    int moveNumberMode = 0; // book numbering, as DisplayState
    int showCoordinates = 0;
    int boardTexture = 0;                       // always 0..2
    BoardPosition position;                     // the stones shown, book or trial, with their numbers
    int stoneCount = 0;                         // book stones placed; numbering counts back from it
    std::array<char, kPointCount> labelBoard{}; // book branch labels
    std::array<Point, kBranchListCapacity> candidates{};
    int candidateCount = 0; // 0..kBranchListCapacity
    // Decided when a book position is drawn: whether a tenuki continues.
    std::optional<bool> tenukiEnabled;
    // The candidate the keys have highlighted, marked only while they use it.
    std::optional<Point> highlight;
    // On a trial or practice board: the book's moves from here, marked in a
    // colour of their own so they are not taken for browsing candidates.
    std::vector<Point> bookMarks;
};

// The scene for the state as it stands; a texture outside 0..2 becomes 0.
BoardScene makeBoardScene(const JosekiEngine& engine, const TrialBoard& trial, const DisplayState& display);

} // namespace joseki

#include "ui/controller/BoardScene.h"

#include "core/TrialBoard.h"

#include <algorithm>

namespace joseki {

namespace {

bool isValidTexture(int texture) { return texture >= 0 && texture < kBoardTextureCount; }

} // namespace

BoardScene makeBoardScene(const JosekiEngine& engine, const TrialBoard& trial, const DisplayState& display)
{
    BoardScene scene;
    scene.loaded = engine.isLoaded();
    scene.trialMode = display.trialMode;
    scene.moveNumberMode = display.moveNumberMode;
    scene.showCoordinates = display.showCoordinates;
    scene.boardTexture = isValidTexture(display.boardTexture) ? display.boardTexture : 0;
    if (display.trialMode != 0) {
        // The book position is not drawn, so the tenuki button keeps its state.
        scene.position = trial.position;
        return scene;
    }
    scene.position = engine.book;
    scene.stoneCount = engine.stoneCount;
    scene.labelBoard = engine.labelBoard;
    scene.candidates = engine.candidates;
    scene.candidateCount = std::clamp(engine.candidateCount, 0, kBranchListCapacity);
    if (scene.loaded) {
        const auto end = scene.candidates.begin() + scene.candidateCount;
        scene.tenukiEnabled = std::find(scene.candidates.begin(), end, kNoMovePoint) != end;
    }
    const int highlighted = display.highlightedCandidate;
    if (highlighted >= 0 && highlighted < scene.candidateCount)
        scene.highlight = scene.candidates[static_cast<std::size_t>(highlighted)];
    return scene;
}

} // namespace joseki

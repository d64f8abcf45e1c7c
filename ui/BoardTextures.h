#pragma once

#include "ui/controller/DisplayState.h"

#include <QImage>

namespace joseki {

// The three wood textures of the board, loaded from the resources at their
// first use and kept until the process ends.
class BoardTextures {
public:
    static constexpr int kCount = kBoardTextureCount;

    // True for an index that names a texture (0..2).
    static bool isValidIndex(int index) { return index >= 0 && index < kCount; }
    // Texture `index` (0..2); a null image when its bitmap could not be loaded.
    static const QImage& texture(int index);
};

} // namespace joseki

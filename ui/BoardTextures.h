#pragma once

#include "ui/controller/DisplayState.h"

#include <QImage>

namespace joseki {

// The three wood textures of the board, loaded from the resources at their
// first use and kept until the process ends.
namespace BoardTextures {

inline constexpr int kCount = kBoardTextureCount;

// True for an index that names a texture (0..2).
inline bool isValidIndex(int index) { return index >= 0 && index < kCount; }
// Texture `index` (0..2); a null image when its bitmap could not be loaded.
const QImage& texture(int index);

} // namespace BoardTextures

} // namespace joseki

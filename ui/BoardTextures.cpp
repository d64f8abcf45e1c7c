#include "ui/BoardTextures.h"

#include <array>

namespace joseki {

namespace {

// Light striped, pale striped and warm grained wood, in index order.
constexpr std::array<const char*, BoardTextures::kCount> kTextureResources = {
    ":/res/150.png",
    ":/res/151.png",
    ":/res/149.png",
};

std::array<QImage, BoardTextures::kCount> loadTextures()
{
    std::array<QImage, BoardTextures::kCount> textures;
    for (std::size_t i = 0; i < textures.size(); ++i)
        textures[i] = QImage(QString::fromLatin1(kTextureResources[i]));
    return textures;
}

} // namespace

const QImage& BoardTextures::texture(int index)
{
    // QImage rather than QPixmap: a process-wide image may outlive the
    // application object without touching the windowing system.
    static const std::array<QImage, kCount> textures = loadTextures();
    return textures[static_cast<std::size_t>(isValidIndex(index) ? index : 0)];
}

} // namespace joseki

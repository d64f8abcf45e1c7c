#include "ui/StoneImageCache.h"

#include "core/BoardPosition.h"

#include <map>
#include <utility>

namespace joseki {

namespace {

constexpr QRgb kColourMask = 0x00FFFFFF;
constexpr QRgb kTransparent = 0x00000000;

const char* resourceFor(std::int8_t colour, bool small)
{
    if (colour == kBlack)
        return small ? ":/res/135.png" : ":/res/138.png";
    if (colour == kWhite)
        return small ? ":/res/133.png" : ":/res/141.png";
    return nullptr;
}

} // namespace

QImage StoneImageCache::prepare(const QImage& source, int size)
{
    if (source.isNull())
        return {};
    // Nearest-neighbour first, so that every pixel keeps an original colour
    // and the key colour is matched exactly afterwards; a smooth scale would
    // leave blended key-coloured fringes.
    QImage scaled = size > 0 ? source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation) : source;
    QImage keyed = scaled.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & kColourMask) == kKeyColour)
                line[x] = kTransparent;
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage& StoneImageCache::stone(std::int8_t colour, int gridSpacing)
{
    static std::map<std::pair<int, int>, QImage> cache;
    static const QImage none;
    const bool small = gridSpacing <= kSmallStoneMaxSpacing;
    const char* resource = resourceFor(colour, small);
    if (resource == nullptr)
        return none;
    const int size = small ? 0 : gridSpacing;
    const std::pair<int, int> key{colour, size};
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(key, prepare(QImage(QString::fromLatin1(resource)), size)).first;
    return found->second;
}

} // namespace joseki

#include "ui/FontWithCellHeight.h"

#include <QFontMetrics>

#include <algorithm>

namespace joseki {

namespace {

constexpr int kLightestWeight = 1;
constexpr int kHeaviestWeight = 1000;

} // namespace

QFont fontWithCellHeight(const QString& face, int cellHeight, int weight)
{
    QFont font(face);
    // The board fonts belong to the sans-serif family; fontconfig substitutes
    // a metric-compatible face where the named one is missing.
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, kLightestWeight, kHeaviestWeight)));
    // Qt sizes fonts by their em; the cell height asked for is ascent plus
    // descent, which is taller, so walk down from it to the first size that fits.
    int pixelSize = std::max(cellHeight, 1);
    font.setPixelSize(pixelSize);
    while (pixelSize > 1) {
        const QFontMetrics metrics(font);
        if (metrics.ascent() + metrics.descent() <= cellHeight)
            break;
        --pixelSize;
        font.setPixelSize(pixelSize);
    }
    return font;
}

} // namespace joseki

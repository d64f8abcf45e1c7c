#include "HandCursor.h"

#include <QColor>

#include <array>
#include <string_view>

namespace resgen {

namespace {

// '#' outline, 'o' fill, '.' transparent. The index finger points up; the
// other fingers are curled, the thumb rests on the left.
constexpr std::array<std::string_view, 20> kHandArt = {
    "......###.........", ".....#ooo#........", ".....#ooo#........", ".....#ooo#........", ".....#ooo#........",
    ".....#ooo#........", ".....#ooo###......", ".....#ooo#oo###...", ".....#ooo#oo#oo##.", ".....#ooo#oo#oo#o#",
    "..##.#ooo#oo#oo#o#", ".#oo##ooo#oo#oo#o#", ".#ooo#ooooooooooo#", ".#ooooooooooooooo#", "..#oooooooooooooo#",
    "..#oooooooooooooo#", "...#oooooooooooo#.", "....#ooooooooooo#.", "....#ooooooooooo#.", "....#############.",
};

// Where the art sits inside the cursor square.
constexpr QPoint kArtOrigin(4, 1);
// The fingertip within the art.
constexpr QPoint kTipInArt(7, 0);

constexpr char kOutlinePixel = '#';
constexpr char kFillPixel = 'o';

} // namespace

QImage HandCursor::render()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb outline = qRgba(0, 0, 0, 255);
    const QRgb fill = qRgba(255, 255, 255, 255);
    for (int y = 0; y < static_cast<int>(kHandArt.size()); ++y) {
        const std::string_view row = kHandArt[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            const char c = row[static_cast<std::size_t>(x)];
            if (c == kOutlinePixel)
                image.setPixel(kArtOrigin.x() + x, kArtOrigin.y() + y, outline);
            else if (c == kFillPixel)
                image.setPixel(kArtOrigin.x() + x, kArtOrigin.y() + y, fill);
        }
    }
    return image;
}

QPoint HandCursor::hotspot() { return kArtOrigin + kTipInArt; }

} // namespace resgen

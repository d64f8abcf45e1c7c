#include "AppIcon.h"

#include "StoneImages.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace resgen {

namespace {

// Proportions relative to the icon's side.
constexpr double kCornerRadius = 0.14;
constexpr double kStoneSize = 0.56;
constexpr double kBlackCentre = 0.37;
constexpr double kWhiteCentre = 0.63;
// Below this size the grid lines only add noise.
constexpr int kMinSideForGrid = 24;

const QColor kBoardLight(240, 200, 124);
const QColor kBoardDark(208, 152, 78);
const QColor kBoardEdge(118, 74, 32);
const QColor kGridLine(96, 60, 24, 170);
const QColor kStoneShadow(0, 0, 0, 90);

void paintBoard(QPainter& p, int side)
{
    const QRectF square(0.5, 0.5, side - 1.0, side - 1.0);
    QLinearGradient wood(0, 0, side, side);
    wood.setColorAt(0.0, kBoardLight);
    wood.setColorAt(1.0, kBoardDark);
    p.setPen(QPen(kBoardEdge, 1.0));
    p.setBrush(wood);
    p.drawRoundedRect(square, side * kCornerRadius, side * kCornerRadius);

    if (side < kMinSideForGrid)
        return;
    // Grid lines through the stones' centres, pixel-aligned for sharpness.
    p.setPen(QPen(kGridLine, 1.0));
    for (double at : {kBlackCentre, kWhiteCentre}) {
        const double c = std::floor(side * at) + 0.5;
        p.drawLine(QPointF(c, 1.5), QPointF(c, side - 1.5));
        p.drawLine(QPointF(1.5, c), QPointF(side - 1.5, c));
    }
}

void paintStone(QPainter& p, int side, StoneColour colour, double centre)
{
    const int size = static_cast<int>(std::lround(side * kStoneSize));
    const double topLeft = std::floor(side * centre) + 0.5 - size / 2.0;
    const QImage stone = StoneImages::sprite(colour, size);
    p.drawImage(QPointF(std::round(topLeft), std::round(topLeft)), stone);
}

void paintShadow(QPainter& p, int side, double centre)
{
    const double size = std::lround(side * kStoneSize);
    const double c = std::floor(side * centre) + 0.5;
    const double offset = std::max(1.0, side / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kStoneShadow);
    p.drawEllipse(QPointF(c + offset, c + offset), size / 2.0, size / 2.0);
}

} // namespace

QImage AppIcon::render(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintBoard(p, side);
    paintShadow(p, side, kBlackCentre);
    paintStone(p, side, StoneColour::Black, kBlackCentre);
    paintShadow(p, side, kWhiteCentre);
    paintStone(p, side, StoneColour::White, kWhiteCentre);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace resgen

#include "PanelPicture.h"

#include "StoneImages.h"
#include "WoodTexture.h"

#include <QPainter>

namespace resgen {

namespace {

// Grid geometry in pixels: the corner sits at the lower left, the board runs
// on past the top and right edges.
constexpr int kSpacing = 11;
constexpr int kLeftLine = 8;
constexpr int kBottomLine = 62;
// Odd, so that a stone's centre falls on the centre of a one-pixel line.
constexpr int kStoneSide = 11;
constexpr int kStarPoint = 3; // lines from the corner, counted from 0
constexpr int kStarPointSide = 3;

const QColor kLine(104, 70, 34);
const QColor kFrame(92, 58, 26);
const QColor kShadow(0, 0, 0, 70);

struct Move {
    int col; // lines from the left edge, 0-based
    int row; // lines from the bottom edge, 0-based
    StoneColour colour;
};

// An approach to the corner point and the usual answers.
constexpr Move kMoves[] = {
    {2, 3, StoneColour::Black}, {4, 2, StoneColour::White}, {3, 2, StoneColour::Black},
    {4, 3, StoneColour::White}, {2, 5, StoneColour::Black}, {7, 2, StoneColour::White},
};

int lineX(int col) { return kLeftLine + col * kSpacing; }
int lineY(int row) { return kBottomLine - row * kSpacing; }

void paintGrid(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kLine, 1));
    for (int x = kLeftLine; x < PanelPicture::kWidth; x += kSpacing)
        p.drawLine(x, 0, x, kBottomLine);
    for (int y = kBottomLine; y >= 0; y -= kSpacing)
        p.drawLine(kLeftLine, y, PanelPicture::kWidth, y);
    // The board's edges are drawn heavier than the inner lines.
    p.drawLine(kLeftLine - 1, 0, kLeftLine - 1, kBottomLine + 1);
    p.drawLine(kLeftLine - 1, kBottomLine + 1, PanelPicture::kWidth, kBottomLine + 1);

    const int starOffset = kStarPointSide / 2;
    p.fillRect(QRect(lineX(kStarPoint) - starOffset, lineY(kStarPoint) - starOffset, kStarPointSide, kStarPointSide),
               kLine);
}

void paintStones(QPainter& p)
{
    const QImage black = StoneImages::sprite(StoneColour::Black, kStoneSide);
    const QImage white = StoneImages::sprite(StoneColour::White, kStoneSide);
    const int half = kStoneSide / 2;
    for (const Move& m : kMoves) {
        const int x = lineX(m.col) - half;
        const int y = lineY(m.row) - half;
        p.setPen(Qt::NoPen);
        p.setBrush(kShadow);
        p.drawEllipse(QRectF(x + 1, y + 1, kStoneSide - 1, kStoneSide - 1));
        p.drawImage(QPoint(x, y), m.colour == StoneColour::Black ? black : white);
    }
}

} // namespace

QImage PanelPicture::render()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    const QImage wood = WoodTexture::render(WoodTexture::lightStriped());
    p.fillRect(image.rect(), QBrush(wood));
    paintGrid(p);
    paintStones(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, kWidth - 1, kHeight - 1));
    p.end();
    return image;
}

} // namespace resgen

#include "ui/BoardPainter.h"

#include "core/Coordinates.h"
#include "ui/BoardTextures.h"
#include "ui/StoneImageCache.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace joseki {

namespace {

const QColor kBackgroundColour(206, 206, 206);
const QColor kTrialBandColour(40, 128, 40);
const QColor kBorderColour(162, 162, 162);
const QColor kGridColour(0, 0, 0);
const QColor kCoordinateColour(40, 40, 182);
const QColor kDefaultTextColour(0, 0, 0);
const QColor kBookNumberOnBlack(255, 10, 0);
const QColor kTrialNumberOnBlack(250, 250, 255);
const QColor kNumberOnWhite(0, 0, 0);
const QColor kLabelColour(243, 212, 135);
const QColor kCandidateColour(25, 25, 255);
const QColor kHighlightColour(230, 30, 30);
// The book's moves on a trial or practice board: unlike the blue of the
// candidates, the red of the highlight and the green of the band.
const QColor kBookMarkColour(170, 40, 200);

constexpr int kLastLine = kBoardSize - 1;
constexpr std::array<int, 3> kStarLines = {3, 9, 15};
constexpr int kStarHalf = 2; // the square runs from centre - 2 to centre + 2
constexpr int kStarSide = 2 * kStarHalf + 1;

constexpr int kLetterShiftDivisor = 10;
constexpr int kLetterLiftDivisor = 2;
constexpr int kRowNumberGapDivisor = 5;
constexpr int kRowNumberGap = 3;
constexpr int kRowNumberShiftPerDigit = 2;
constexpr int kRowNumberLiftDivisor = 4;

constexpr double kLabelHalfPerScale = 6.0;
constexpr int kUpperLabelShift = 4;
constexpr int kOtherLabelShift = 3;
constexpr int kTextLift = 8;
constexpr double kCandidateHalfPerScale = 4.0;
// The highlight frame: two pixels wide, its outer edge one pixel inside the
// point's square, so it rings a stone or a label without touching the next point.
constexpr int kHighlightWidth = 2;
constexpr int kHighlightInset = 1;
constexpr int kNumberShiftPerDigit = 5;
constexpr int kNumberShiftBack = 2;
// Numbers sit on the big stones' own offset from the small ones.
constexpr int kSmallStoneHalf = (StoneImageCache::kSmallStoneSize - 1) / 2;

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

std::size_t indexOf(int col, int row) { return static_cast<std::size_t>(pointIndex(col, row)); }

} // namespace

BoardPainter::BoardPainter(const PaintInput& input, QImage& target)
    : input_(input), layout_(input.layout), painter_(&target), textColour_(kDefaultTextColour)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrushOrigin(0, 0);
}

QImage BoardPainter::paintBoard(const PaintInput& input, QSize clientSize)
{
    QImage image(clientSize, QImage::Format_RGB32);
    image.fill(kBackgroundColour);
    BoardPainter painter(input, image);
    painter.drawEmptyBoard(input.scene.boardTexture);
    if (!input.scene.loaded)
        return image;
    if (input.scene.trialMode != 0) {
        painter.drawTrialPosition();
        painter.drawBookMarks();
        return image;
    }
    painter.drawBookPosition();
    painter.drawCandidateMarkers();
    painter.drawHighlight();
    return image;
}

void BoardPainter::drawEmptyBoard(int texture)
{
    if (input_.scene.trialMode != 0)
        painter_.fillRect(toQRect(layout_.bandedBoardRect), kTrialBandColour);
    // The texture tiles from the client origin, not from the board's corner.
    const QImage& wood = BoardTextures::texture(texture);
    if (!wood.isNull())
        painter_.fillRect(toQRect(layout_.boardRect), QBrush(wood));
    drawBorder();
    drawGrid();
    drawStarPoints();
    if (input_.scene.showCoordinates != 0)
        drawCoordinates();
}

void BoardPainter::drawBorder()
{
    const Rect& r = layout_.boardRect;
    const QPoint leftBottom(r.left, r.bottom);
    const QPoint leftTop(r.left, r.top);
    const QPoint rightTop(r.right, r.top);
    const QPoint rightBottom(r.right, r.bottom);
    drawLineExcludingEnd(leftBottom, leftTop, kBorderColour);
    drawLineExcludingEnd(leftTop, rightTop, kBorderColour);
    drawLineExcludingEnd(rightTop, rightBottom, kBorderColour);
    drawLineExcludingEnd(rightBottom, leftBottom, kBorderColour);
}

void BoardPainter::drawGrid()
{
    for (int i = 0; i < kBoardSize; ++i) {
        drawLineExcludingEnd(QPoint(centreX(i), centreY(0)), QPoint(centreX(i), centreY(kLastLine)), kGridColour);
        drawLineExcludingEnd(QPoint(centreX(0), centreY(i)), QPoint(centreX(kLastLine), centreY(i)), kGridColour);
    }
}

void BoardPainter::drawStarPoints()
{
    for (int col : kStarLines) {
        for (int row : kStarLines)
            painter_.fillRect(centreX(col) - kStarHalf, centreY(row) - kStarHalf, kStarSide, kStarSide, kGridColour);
    }
}

void BoardPainter::drawCoordinates()
{
    painter_.setFont(input_.coordinateFont);
    // The colour stays selected afterwards: branch labels are drawn in it.
    textColour_ = kCoordinateColour;
    const int spacing = layout_.gridSpacing;
    for (int j = 0; j < kBoardSize; ++j) {
        drawTextAt(centreX(j) - spacing / kLetterShiftDivisor, layout_.boardOriginY - spacing / kLetterLiftDivisor,
                   std::string(1, coordinates::boardLetter(j)));
        const std::string number = std::to_string(coordinates::boardRowNumber(j));
        const int digits = static_cast<int>(number.size());
        drawTextAt(centreX(kLastLine) + spacing / kRowNumberGapDivisor + kRowNumberGap -
                       kRowNumberShiftPerDigit * digits,
                   centreY(j) - spacing / kRowNumberLiftDivisor, number);
    }
}

void BoardPainter::drawBookPosition()
{
    painter_.setFont(input_.numberFont);
    const BoardScene& scene = input_.scene;
    for (int col = 0; col < kBoardSize; ++col) {
        for (int row = 0; row < kBoardSize; ++row) {
            const std::size_t index = indexOf(col, row);
            const std::int8_t colour = scene.position.board[index];
            const int number = scene.position.moveNumbers[index];
            const bool numbered = scene.moveNumberMode != 0 && number + scene.moveNumberMode > scene.stoneCount;
            const QColor numberColour = !numbered ? QColor() : colour == kBlack ? kBookNumberOnBlack : kNumberOnWhite;
            if (colour == kBlack || colour == kWhite)
                drawStone(col, row, colour, number, numberColour);
            if (scene.labelBoard[index] != 0)
                drawLabel(col, row, scene.labelBoard[index]);
        }
    }
}

void BoardPainter::drawTrialPosition()
{
    painter_.setFont(input_.numberFont);
    const BoardPosition& trial = input_.scene.position;
    for (int col = 0; col < kBoardSize; ++col) {
        for (int row = 0; row < kBoardSize; ++row) {
            const std::size_t index = indexOf(col, row);
            const std::int8_t colour = trial.board[index];
            const int number = trial.moveNumbers[index];
            // Stones taken over from the book carry 0 and stay unnumbered.
            const QColor numberColour = number < 1 ? QColor() : colour == kBlack ? kTrialNumberOnBlack : kNumberOnWhite;
            if (colour == kBlack || colour == kWhite)
                drawStone(col, row, colour, number, numberColour);
        }
    }
}

void BoardPainter::drawCandidateMarkers()
{
    const BoardScene& scene = input_.scene;
    const int half = static_cast<int>(kCandidateHalfPerScale * layout_.layoutScale);
    for (int i = 0; i < scene.candidateCount; ++i) {
        const Point& p = scene.candidates[static_cast<std::size_t>(i)];
        // No square for a tenuki, anywhere off the board or under a label.
        if (!onBoard(p.col, p.row) || scene.labelBoard[indexOf(p.col, p.row)] != 0)
            continue;
        painter_.fillRect(centreX(p.col) - half, centreY(p.row) - half, 2 * half, 2 * half, kCandidateColour);
    }
}

void BoardPainter::drawBookMarks()
{
    // The candidates' square, in the book marks' colour.
    const int half = static_cast<int>(kCandidateHalfPerScale * layout_.layoutScale);
    for (const Point& p : input_.scene.bookMarks) {
        if (onBoard(p))
            painter_.fillRect(centreX(p.col) - half, centreY(p.row) - half, 2 * half, 2 * half, kBookMarkColour);
    }
}

void BoardPainter::drawHighlight()
{
    const std::optional<Point>& point = input_.scene.highlight;
    if (!point || !onBoard(*point))
        return;
    const int half = layout_.gridSpacing / 2 - kHighlightInset;
    const int left = centreX(point->col) - half;
    const int top = centreY(point->row) - half;
    const int side = 2 * half + 1;
    painter_.fillRect(left, top, side, kHighlightWidth, kHighlightColour);
    painter_.fillRect(left, top + side - kHighlightWidth, side, kHighlightWidth, kHighlightColour);
    painter_.fillRect(left, top, kHighlightWidth, side, kHighlightColour);
    painter_.fillRect(left + side - kHighlightWidth, top, kHighlightWidth, side, kHighlightColour);
}

void BoardPainter::drawStone(int col, int row, std::int8_t colour, int number, const QColor& numberColour)
{
    const int x = centreX(col);
    const int y = centreY(row);
    const int spacing = layout_.gridSpacing;
    const QImage& image = StoneImageCache::stone(colour, spacing);
    if (!image.isNull()) {
        const int half = spacing <= StoneImageCache::kSmallStoneMaxSpacing ? kSmallStoneHalf : spacing / 2;
        painter_.drawImage(QPoint(x - half, y - half), image);
    }
    if (!numberColour.isValid())
        return;
    const std::string text = std::to_string(number);
    const int digits = static_cast<int>(text.size());
    const QColor previous = textColour_;
    textColour_ = numberColour;
    drawTextAt(x - kNumberShiftPerDigit * digits + kNumberShiftBack, y - kTextLift, text);
    textColour_ = previous;
}

void BoardPainter::drawLabel(int col, int row, char label)
{
    const int x = centreX(col);
    const int y = centreY(row);
    const int half = static_cast<int>(kLabelHalfPerScale * layout_.layoutScale);
    painter_.fillRect(x - half, y - half, 2 * half, 2 * half, kLabelColour);
    const bool upper = label >= 'A' && label <= 'Z';
    drawTextAt(x - (upper ? kUpperLabelShift : kOtherLabelShift), y - kTextLift, std::string(1, label), &kLabelColour);
}

void BoardPainter::drawLineExcludingEnd(QPoint from, QPoint to, const QColor& colour)
{
    // Axis-parallel lines are filled as one-pixel-wide rectangles: exact
    // pixels, with no dependence on how the paint engine ends a line.
    if (from.x() == to.x()) {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        painter_.fillRect(from.x(), top, 1, std::abs(to.y() - from.y()), colour);
    } else if (from.y() == to.y()) {
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        painter_.fillRect(left, from.y(), std::abs(to.x() - from.x()), 1, colour);
    }
}

void BoardPainter::drawTextAt(int x, int y, const std::string& text, const QColor* opaqueBackground)
{
    // Texts here are digits and single ASCII letters; a byte beyond ASCII
    // is half of a double-byte character and draws nothing on its own.
    QString shown;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x80)
            shown.append(QLatin1Char(c));
    }
    const QFontMetrics metrics = painter_.fontMetrics();
    if (opaqueBackground != nullptr)
        painter_.fillRect(x, y, metrics.horizontalAdvance(shown), metrics.ascent() + metrics.descent(),
                          *opaqueBackground);
    painter_.setPen(textColour_);
    // The position names the top-left corner of the text cell; Qt draws from the baseline.
    painter_.drawText(QPoint(x, y + metrics.ascent()), shown);
}

} // namespace joseki

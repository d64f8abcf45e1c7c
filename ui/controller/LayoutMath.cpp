#include "ui/controller/LayoutMath.h"

#include "ui/controller/ControlIds.h"

namespace joseki {

namespace {

// Work-area height that maps to scale 1 (less the small bias below).
constexpr double kReferenceHeight = 570.0;
constexpr double kScaleBias = 0.005;
// A work area as tall as the screen is assumed to hide a task bar of 1/20.
constexpr int kFullHeightDivisor = 20;

constexpr double kOriginXPerScale = 25.0;
constexpr double kOriginXBase = 10.0;
constexpr double kOriginYPerScale = 27.0;
constexpr double kOriginYBase = 15.0;
constexpr double kSpacingPerScale = 25.0;

constexpr int kGridLines = 19;
constexpr int kGridSteps = kGridLines - 1;
constexpr double kWindowExtraWidth = 115.0;
constexpr double kWindowWidthPerScale = 125.0;
constexpr double kWindowExtraHeight = 38.0;
constexpr double kWindowHeightPerScale = 20.0;

constexpr int kBaseFontHeight = 14;
constexpr int kMediumFontHeight = 16;
constexpr int kLargeFontHeight = 18;
constexpr int kMediumFontFromWindowHeight = 600;
constexpr int kLargeFontFromWindowHeight = 940;
constexpr int kCoordinateFontShrink = 2;
constexpr int kNumberFontGrowth = 2;

constexpr double kMarginPerScale = 2.0;
constexpr double kMarginBase = 2.0;
// The board is two pixels wider than tall.
constexpr int kBoardExtraWidth = 2;
// The trial band is 4/10 of a grid spacing wide.
constexpr int kBandNumerator = 4;
constexpr int kBandDenominator = 10;

// Control placement beside a scaled board.
constexpr float kSmallCommentGrowth = 25.0f;
constexpr int kSmallSpeedEditLeft = 3;
constexpr int kSmallSpeedEditRight = 5;
constexpr int kSmallSpinLeft = 5;
constexpr int kSmallSpinRight = 8;
constexpr double kDropPerScaledPixel = 0.8;
constexpr float kDropPerScale = 30.0f;
constexpr float kNearScaleLimit = 1.3f;
constexpr float kNearDropBase = 10.0f;
constexpr float kFarDropBase = 20.0f;
constexpr int kTemplateSpacing = 25;
constexpr float kShiftPerScale = 20.0f;
constexpr double kCommentWidthScaleBase = 0.79;
constexpr double kCommentWidthPerScale = 100.0;
constexpr double kCommentHeightScaleBase = 0.6;
constexpr double kCommentHeightPerScale = 110.0;
constexpr int kExtraDrop = 40;
constexpr int kStripLeftNumerator = 3;
constexpr int kStripLeftDenominator = 5;
constexpr int kStripTopNumerator = 37;
constexpr int kStripTopDenominator = 2;
constexpr float kStripTopPerScale = 19.0f;
constexpr float kStripTopLift = 4.0f;

// Dialog-unit conversion for the template font, 9-point "宋体" at 96 dpi:
// its average character is 6 pixels wide and 12 pixels tall, and dialog
// units are a quarter of the width and an eighth of the height.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 12;
constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

int fontBaseHeight(int windowHeight)
{
    if (windowHeight > kLargeFontFromWindowHeight)
        return kLargeFontHeight;
    if (windowHeight > kMediumFontFromWindowHeight)
        return kMediumFontHeight;
    return kBaseFontHeight;
}

void placeBoardRects(Layout& layout)
{
    const int margin = static_cast<int>(layout.gridSpacing / 2 + kMarginPerScale * layout.layoutScale + kMarginBase);
    const int side = kGridSteps * layout.gridSpacing + 2 * margin;
    Rect& board = layout.boardRect;
    board.left = layout.boardOriginX - margin;
    board.top = layout.boardOriginY - margin;
    board.right = board.left + side + kBoardExtraWidth;
    board.bottom = board.top + side;
    const int band = layout.gridSpacing * kBandNumerator / kBandDenominator;
    layout.bandedBoardRect = Rect{board.left - band, board.top - band, board.right + band, board.bottom + band};
}

// value * numerator / denominator, rounded half away from zero, as the
// platform's multiply-divide does.
int mulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

Rect placeBesideScaledBoard(int controlId, Rect r, float s, const Layout& layout)
{
    const int dy =
        static_cast<int>(static_cast<double>(r.top - layout.boardOriginY) * ((s - 1.0f) * kDropPerScaledPixel));
    const float dropBase = s < kNearScaleLimit ? kNearDropBase : kFarDropBase;
    const int dv = static_cast<int>(static_cast<float>(dy) + (s - 1.0f) * kDropPerScale + dropBase);
    const int dx = static_cast<int>(
        static_cast<float>((layout.gridSpacing - kTemplateSpacing) * kGridLines + layout.boardOriginX) -
        kShiftPerScale * s);
    r.top += dv;
    r.bottom += dv;
    r.left += dx;
    r.right += dx;
    if (controlId == kCommentBox) {
        r.right = static_cast<int>(r.right + (s - kCommentWidthScaleBase) * kCommentWidthPerScale);
        r.bottom = static_cast<int>(r.bottom + (s - kCommentHeightScaleBase) * kCommentHeightPerScale);
    }
    if (controlId != kCommentBox && controlId != kHelpButton && controlId != kTenukiButton) {
        r.top += kExtraDrop;
        r.bottom += kExtraDrop;
    }
    return r;
}

Rect placeBesideTemplateBoard(int controlId, Rect r)
{
    switch (controlId) {
    case kCommentBox:
        r.right += static_cast<int>(kSmallCommentGrowth);
        break;
    case kSpeedEdit:
        r.left -= kSmallSpeedEditLeft;
        r.right -= kSmallSpeedEditRight;
        break;
    case kSpeedSpin:
        r.left -= kSmallSpinLeft;
        r.right -= kSmallSpinRight;
        break;
    default:
        break;
    }
    return r;
}

// The website strip runs under the board, as wide as the grid.
Rect placeUnderBoard(const Rect& r, float s, const Layout& layout)
{
    const int left = layout.boardOriginX - layout.gridSpacing * kStripLeftNumerator / kStripLeftDenominator;
    const int top = static_cast<int>(
        static_cast<float>(layout.boardOriginY + layout.gridSpacing * kStripTopNumerator / kStripTopDenominator) +
        kStripTopPerScale * s - kStripTopLift);
    return Rect{left, top, left + kGridLines * layout.gridSpacing, top + r.height()};
}

} // namespace

Layout computeLayout(int workAreaHeight, int screenHeight)
{
    Layout layout;
    int h = workAreaHeight;
    if (h == screenHeight)
        h -= h / kFullHeightDivisor;
    layout.workAreaHeight = h;
    layout.layoutScale = h / kReferenceHeight - kScaleBias;
    const double scale = layout.layoutScale;

    layout.boardOriginX = static_cast<int>(kOriginXPerScale * scale + kOriginXBase);
    layout.boardOriginY = static_cast<int>(kOriginYPerScale * scale + kOriginYBase);
    layout.gridSpacing = static_cast<int>(kSpacingPerScale * scale);
    if (layout.gridSpacing % 2 == 0)
        ++layout.gridSpacing;

    const int gridExtent = kGridLines * layout.gridSpacing;
    layout.expectedWindowWidth =
        static_cast<int>(layout.boardOriginX + gridExtent + kWindowExtraWidth + kWindowWidthPerScale * scale);
    layout.expectedWindowHeight =
        static_cast<int>(layout.boardOriginY + gridExtent + kWindowExtraHeight + kWindowHeightPerScale * scale);

    const int f = fontBaseHeight(layout.expectedWindowHeight);
    layout.coordinateFontHeight = f - kCoordinateFontShrink;
    layout.numberFontHeight = f + kNumberFontGrowth;

    placeBoardRects(layout);
    return layout;
}

std::optional<Point> pointFromPixel(const Layout& layout, int x, int y)
{
    const int half = layout.gridSpacing / 2;
    if (x < layout.boardOriginX - half || y < layout.boardOriginY - half)
        return std::nullopt;
    const int col = (x + half - layout.boardOriginX) / layout.gridSpacing;
    const int row = (y + half - layout.boardOriginY) / layout.gridSpacing;
    if (!onBoard(col, row))
        return std::nullopt;
    return Point{col, row};
}

Rect placeControl(int controlId, const Rect& templateRect, float s, const Layout& layout)
{
    const Rect placed = s <= 1.0f ? placeBesideTemplateBoard(controlId, templateRect)
                                  : placeBesideScaledBoard(controlId, templateRect, s, layout);
    if (controlId == kWebsiteStrip)
        return placeUnderBoard(placed, s, layout);
    return placed;
}

int dialogUnitsToPixelsX(int units) { return mulDiv(units, kBaseUnitX, kUnitsPerBaseX); }

int dialogUnitsToPixelsY(int units) { return mulDiv(units, kBaseUnitY, kUnitsPerBaseY); }

Rect dialogUnitRect(int x, int y, int width, int height)
{
    const int left = dialogUnitsToPixelsX(x);
    const int top = dialogUnitsToPixelsY(y);
    return Rect{left, top, left + dialogUnitsToPixelsX(width), top + dialogUnitsToPixelsY(height)};
}

} // namespace joseki

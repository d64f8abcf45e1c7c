#include "ui/controller/LayoutMath.h"
#include "ui/controller/ControlIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace joseki {
namespace {

struct LayoutRow {
    int workArea;
    int screen;
    int expectedHeight;
    double scale;
    int originX;
    int originY;
    int spacing;
    int windowWidth;
    int windowHeight;
    int coordinateFont;
    int numberFont;
    Rect board;
    Rect frame;
};

const std::vector<LayoutRow> kLayoutRows = {
    {570, 600, 570, 0.995, 34, 41, 25, 748, 573, 12, 16, {19, 26, 501, 506}, {9, 16, 511, 516}},
    {738, 768, 738, 1.289737, 42, 49, 33, 945, 739, 14, 18, {22, 29, 658, 663}, {9, 16, 671, 676}},
    {768, 768, 730, 1.275702, 41, 49, 31, 904, 701, 14, 18, {22, 30, 620, 626}, {10, 18, 632, 638}},
    {1040, 1080, 1040, 1.819561, 55, 64, 45, 1252, 993, 16, 20, {28, 37, 894, 901}, {10, 19, 912, 919}},
};

TEST(LayoutMath, ComputesEveryValueOfTheExampleScreens)
{
    for (const LayoutRow& row : kLayoutRows) {
        SCOPED_TRACE(row.workArea);
        const Layout layout = computeLayout(row.workArea, row.screen);
        EXPECT_EQ(layout.workAreaHeight, row.expectedHeight);
        EXPECT_NEAR(layout.layoutScale, row.scale, 5e-7);
        EXPECT_EQ(layout.boardOriginX, row.originX);
        EXPECT_EQ(layout.boardOriginY, row.originY);
        EXPECT_EQ(layout.gridSpacing, row.spacing);
        EXPECT_EQ(layout.expectedWindowWidth, row.windowWidth);
        EXPECT_EQ(layout.expectedWindowHeight, row.windowHeight);
        EXPECT_EQ(layout.coordinateFontHeight, row.coordinateFont);
        EXPECT_EQ(layout.numberFontHeight, row.numberFont);
        EXPECT_EQ(layout.boardRect, row.board);
        EXPECT_EQ(layout.bandedBoardRect, row.frame);
        EXPECT_EQ(layout.boardRect.width(), layout.boardRect.height() + 2);
    }
}

TEST(LayoutMath, SpacingIsAlwaysOddAndFontsGrowWithTheWindow)
{
    const Layout at600 = computeLayout(600, 700);
    EXPECT_EQ(at600.gridSpacing, 27); // 26 made odd
    EXPECT_EQ(at600.boardOriginX, 36);
    EXPECT_EQ(at600.boardOriginY, 43);
    EXPECT_EQ(at600.expectedWindowHeight, 614);
    EXPECT_EQ(at600.numberFontHeight, 18); // a window taller than 600
    for (int height = 300; height <= 2000; height += 7)
        EXPECT_EQ(computeLayout(height, height + 40).gridSpacing % 2, 1) << height;
}

TEST(LayoutMath, EachPointOwnsTheSquareAroundItsCentre)
{
    const Layout layout = computeLayout(738, 768); // origin (42, 49), spacing 33
    ASSERT_EQ(layout.boardOriginX, 42);
    ASSERT_EQ(layout.gridSpacing, 33);
    struct Case {
        int offset;   // pixel relative to the origin, on one axis
        int expected; // point index, or -1 for off the board
    };
    const std::vector<Case> cases = {
        {-16, 0}, {-17, -1}, {16, 0}, {17, 1}, {18 * 33 + 16, 18}, {18 * 33 + 17, -1}, {9 * 33, 9},
    };
    const int middle = 9 * 33;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        const auto byX = pointFromPixel(layout, 42 + c.offset, 49 + middle);
        const auto byY = pointFromPixel(layout, 42 + middle, 49 + c.offset);
        if (c.expected < 0) {
            EXPECT_FALSE(byX.has_value());
            EXPECT_FALSE(byY.has_value());
        } else {
            ASSERT_TRUE(byX.has_value());
            ASSERT_TRUE(byY.has_value());
            EXPECT_EQ(*byX, (Point{c.expected, 9}));
            EXPECT_EQ(*byY, (Point{9, c.expected}));
        }
    }
    // The edge pixels named in the layout notes: x = 26 and 652 stay on the board.
    EXPECT_EQ(pointFromPixel(layout, 26, 49), (Point{0, 0}));
    EXPECT_FALSE(pointFromPixel(layout, 25, 49).has_value());
    EXPECT_EQ(pointFromPixel(layout, 652, 652 - 42 + 49), (Point{18, 18}));
    EXPECT_FALSE(pointFromPixel(layout, 653, 100).has_value());
    EXPECT_FALSE(pointFromPixel(layout, 100, 49 + 18 * 33 + 17).has_value());
    EXPECT_FALSE(pointFromPixel(layout, -40, -40).has_value());
}

TEST(LayoutMath, DialogUnitsRoundHalfAwayFromZero)
{
    EXPECT_EQ(dialogUnitsToPixelsX(347), 521); // 520.5
    EXPECT_EQ(dialogUnitsToPixelsX(4), 6);
    EXPECT_EQ(dialogUnitsToPixelsX(-1), -2); // -1.5
    EXPECT_EQ(dialogUnitsToPixelsY(17), 26); // 25.5
    EXPECT_EQ(dialogUnitsToPixelsY(8), 12);
    EXPECT_EQ(dialogUnitsToPixelsY(-3), -5); // -4.5
    // Width and height are converted on their own, not as right and bottom.
    EXPECT_EQ(dialogUnitRect(487, 180, 7, 15), (Rect{731, 270, 742, 293}));
    EXPECT_EQ(dialogUnitRect(517 - 517, 0, 517, 364), (Rect{0, 0, 776, 546}));
}

struct PlacementCase {
    int controlId;
    Rect templateRect;
    Rect expected;
};

void expectPlacements(const Layout& layout, const std::vector<PlacementCase>& cases)
{
    const float s = static_cast<float>(layout.layoutScale);
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.controlId);
        EXPECT_EQ(placeControl(c.controlId, c.templateRect, s, layout), c.expected);
    }
}

// Template rectangles in client pixels, from the dialog-unit positions.
const Rect kCommentRect = dialogUnitRect(347, 17, 120, 117);  // (521, 26, 701, 202)
const Rect kSpeedEditRect = dialogUnitRect(474, 181, 13, 12); // (711, 272, 731, 290)
const Rect kSpinRect = dialogUnitRect(487, 180, 7, 15);       // (731, 270, 742, 293)
const Rect kAutoPlayRect = dialogUnitRect(424, 181, 46, 15);  // (636, 272, 705, 295)
const Rect kTenukiRect = dialogUnitRect(234, 3, 38, 15);      // (351, 5, 408, 28)
const Rect kHelpRect = dialogUnitRect(452, 16, 38, 15);       // (678, 24, 735, 47)
const Rect kStripRect = dialogUnitRect(7, 339, 318, 12);      // (11, 509, 488, 527)

TEST(LayoutMath, SmallScaleKeepsTemplatePlacesWithThreeCorrections)
{
    ASSERT_EQ(kCommentRect, (Rect{521, 26, 701, 202}));
    ASSERT_EQ(kStripRect, (Rect{11, 509, 488, 527}));
    expectPlacements(computeLayout(570, 600), {
                                                  {kCommentBox, kCommentRect, {521, 26, 726, 202}},
                                                  {kSpeedEdit, kSpeedEditRect, {708, 272, 726, 290}},
                                                  {kSpeedSpin, kSpinRect, {726, 270, 734, 293}},
                                                  {kAutoPlayButton, kAutoPlayRect, kAutoPlayRect},
                                                  {kTenukiButton, kTenukiRect, kTenukiRect},
                                                  // x = 34 - 15, y = trunc(41 + 462 + 18.905 - 4)
                                                  {kWebsiteStrip, kStripRect, {19, 517, 494, 535}},
                                              });
}

TEST(LayoutMath, LargerScaleMovesControlsBesideTheBoard)
{
    // s = 1.289737: dx = trunc(152 + 42 - 25.79) = 168; c = 10.
    expectPlacements(computeLayout(738, 768), {
                                                  // dy = trunc(-23 * 0.23179) = -5, dv = trunc(-5 + 8.692 + 10) = 13,
                                                  // then the box grows by 49.97 and 75.87; no further drop.
                                                  {kCommentBox, kCommentRect, {689, 39, 918, 290}},
                                                  // dy = -10, dv = 8; the tenuki button stays above.
                                                  {kTenukiButton, kTenukiRect, {519, 13, 576, 36}},
                                                  // dy = trunc(-25 * 0.23179) = -5, dv = 13; no further drop.
                                                  {kHelpButton, kHelpRect, {846, 37, 903, 60}},
                                                  // dy = trunc(223 * 0.23179) = 51, dv = 69, plus 40.
                                                  {kAutoPlayButton, kAutoPlayRect, {804, 381, 873, 404}},
                                                  // x = 42 - 19, y = trunc(49 + 610 + 24.505 - 4), 19 spacings wide.
                                                  {kWebsiteStrip, kStripRect, {23, 679, 650, 697}},
                                              });
    // s = 1.819561: dx = trunc(380 + 55 - 36.39) = 398; c = 20.
    expectPlacements(computeLayout(1040, 1080),
                     {
                         // dy = trunc(208 * 0.65565) = 136, dv = trunc(136 + 24.587 + 20) = 180.
                         {kAutoPlayButton, kAutoPlayRect, {1034, 492, 1103, 515}},
                         // dy = trunc(-38 * 0.65565) = -24, dv = 20; grows by 102.96 and 134.15.
                         {kCommentBox, kCommentRect, {919, 46, 1201, 356}},
                         // x = 55 - 27, y = trunc(64 + 832 + 34.57 - 4), 855 wide.
                         {kWebsiteStrip, kStripRect, {28, 926, 883, 944}},
                     });
}

} // namespace
} // namespace joseki

#pragma once

#include "core/Point.h"
#include "ui/controller/Rect.h"

#include <optional>

namespace joseki {

// Board geometry, window size and font heights for one screen. All values are
// client pixels except the scale; every later step reads them from here.
struct Layout {
    int workAreaHeight = 600; // height used for scaling
    double layoutScale = 0.0; // workAreaHeight / 570 - 0.005
    int boardOriginX = 25;    // centre of point (0,0)
    int boardOriginY = 40;
    int gridSpacing = 23;        // odd after every layout
    int expectedWindowWidth = 0; // outer window size the layout wants
    int expectedWindowHeight = 0;
    int coordinateFontHeight = 0; // cell heights (ascent + descent) of the fonts
    int numberFontHeight = 0;
    Rect boardRect;       // the wooden board; right/bottom carry the border
    Rect bandedBoardRect; // boardRect grown by the trial band on every side
};

// Layout for a work area of workAreaHeight pixels on a screen screenHeight
// pixels tall. A work area of the full screen height is reduced by 1/20 first.
Layout computeLayout(int workAreaHeight, int screenHeight);

// Point owning the client pixel (x, y): each point owns the gridSpacing-wide
// square centred on it. Nothing for pixels off those 19 x 19 squares.
std::optional<Point> pointFromPixel(const Layout& layout, int x, int y);

// New client rectangle of control `controlId` for scale s (s > 0), starting
// from its template rectangle. The website strip is moved under the board.
Rect placeControl(int controlId, const Rect& templateRect, float s, const Layout& layout);

// Dialog units of the main dialog's template to client pixels.
int dialogUnitsToPixelsX(int units);
int dialogUnitsToPixelsY(int units);
// Client rectangle of a control at (x, y) with size (width, height), all in dialog units.
Rect dialogUnitRect(int x, int y, int width, int height);

} // namespace joseki

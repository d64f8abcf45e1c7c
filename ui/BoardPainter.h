#pragma once

#include "ui/controller/BoardScene.h"
#include "ui/controller/LayoutMath.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <cstdint>
#include <string>

namespace joseki {

// Everything one frame of the board is drawn from. The painter only reads it.
struct PaintInput {
    const BoardScene& scene;
    const Layout& layout;
    const QFont& numberFont;
    const QFont& coordinateFont;
};

// Draws the board area of the main window: background, wood, border, grid,
// star points, coordinates, then the book position with its branch labels,
// candidate squares and the keys' highlight, or the trial (or practice)
// position with the book's moves marked. Used for one frame at a time.
class BoardPainter {
public:
    // Paints a frame of clientSize from `input`: the whole client area, Format_RGB32.
    static QImage paintBoard(const PaintInput& input, QSize clientSize);

private:
    BoardPainter(const PaintInput& input, QImage& target);

    void drawEmptyBoard(int texture);
    void drawBorder();
    void drawGrid();
    void drawStarPoints();
    void drawCoordinates();
    void drawBookPosition();
    void drawTrialPosition();
    // Candidate squares after the stones; a tenuki candidate draws nothing.
    void drawCandidateMarkers();
    // The frame around the candidate the keys have highlighted, if any.
    void drawHighlight();
    // The book's moves on a trial or practice board, after its stones.
    void drawBookMarks();
    // Draws the stone image centred on (col,row) and, when numberColour is
    // valid, the move number over it.
    void drawStone(int col, int row, std::int8_t colour, int number, const QColor& numberColour);
    void drawLabel(int col, int row, char label);

    // Line from `from` towards `to` (axis-parallel), leaving out the final pixel.
    void drawLineExcludingEnd(QPoint from, QPoint to, const QColor& colour);
    // Text with its cell's top-left corner at (x, y) in the current text colour;
    // an opaque background fills the cell first.
    void drawTextAt(int x, int y, const std::string& text, const QColor* opaqueBackground = nullptr);

    int centreX(int col) const { return layout_.boardOriginX + col * layout_.gridSpacing; }
    int centreY(int row) const { return layout_.boardOriginY + row * layout_.gridSpacing; }

    const PaintInput& input_;
    const Layout& layout_;
    QPainter painter_;
    QColor textColour_;
};

} // namespace joseki

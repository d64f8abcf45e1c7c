#pragma once

// A window's worth of input for the board painter, and what the painter tests
// read back from a frame: its pixels, the colours they expect, the changes
// between two frames.
#include "core/JosekiEngine.h"
#include "core/TrialBoard.h"
#include "library/LibraryLoader.h"
#include "tests/support/RecordingMessageService.h"
#include "ui/BoardPainter.h"
#include "ui/BoardTextures.h"
#include "ui/FontWithCellHeight.h"
#include "ui/StoneImageCache.h"

#include <QGuiApplication>
#include <QImage>

#include <optional>
#include <vector>

namespace joseki::test::painting {

inline QGuiApplication& application()
{
    static int argc = 1;
    static char name[] = "BoardPainterTest";
    static char* argv[] = {name, nullptr};
    // Kept for the whole process, like the images cached by the painter.
    static auto* app = new QGuiApplication(argc, argv);
    return *app;
}

inline const QRgb kBlackPixel = qRgb(0, 0, 0);
inline const QRgb kBackgroundPixel = qRgb(206, 206, 206);
inline const QRgb kBorderPixel = qRgb(162, 162, 162);
inline const QRgb kBandPixel = qRgb(40, 128, 40);
inline const QRgb kLabelPixel = qRgb(243, 212, 135);
inline const QRgb kCandidatePixel = qRgb(25, 25, 255);
inline const QRgb kCoordinatePixel = qRgb(40, 40, 182);
inline const QRgb kBookOnBlackPixel = qRgb(255, 10, 0);
inline const QRgb kTrialOnBlackPixel = qRgb(250, 250, 255);
inline const QRgb kHighlightPixel = qRgb(230, 30, 30);
inline const QRgb kBookMarkPixel = qRgb(170, 40, 200);

inline bool resourcesPresent()
{
    return !StoneImageCache::stone(kBlack, 25).isNull() && !BoardTextures::texture(0).isNull();
}

// A window's worth of painter input for a work-area height; the engine counts
// as loaded unless told otherwise.
class PainterFrame {
public:
    explicit PainterFrame(int workArea, int screen = 0, bool loaded = true)
        : layout(computeLayout(workArea, screen == 0 ? workArea + 30 : screen))
    {
        application();
        numberFont = fontWithCellHeight(QStringLiteral("Arial"), layout.numberFontHeight, 900);
        coordinateFont = fontWithCellHeight(QStringLiteral("Arial"), layout.coordinateFontHeight, 400);
        if (loaded)
            loadLibraryText(engine, "(;)");
    }

    // The frame drawn from the scene the controller would build now.
    struct Painted {
        QImage image;
        BoardScene scene;
    };
    Painted paint()
    {
        const DisplayState display{0, moveNumberMode, showCoordinates, boardTexture, trialMode, highlightedCandidate};
        Painted painted{QImage(), makeBoardScene(engine, trial, display)};
        painted.scene.bookMarks = bookMarks;
        const PaintInput input{painted.scene, layout, numberFont, coordinateFont};
        painted.image = BoardPainter::paintBoard(input, QSize(layout.expectedWindowWidth, layout.expectedWindowHeight));
        return painted;
    }

    void placeBook(int col, int row, std::int8_t colour, int number)
    {
        engine.book.board[static_cast<std::size_t>(pointIndex(col, row))] = colour;
        engine.book.moveNumbers[static_cast<std::size_t>(pointIndex(col, row))] = static_cast<std::int16_t>(number);
    }
    void placeTrial(int col, int row, std::int8_t colour, int number)
    {
        trial.position.board[static_cast<std::size_t>(pointIndex(col, row))] = colour;
        trial.position.moveNumbers[static_cast<std::size_t>(pointIndex(col, row))] = static_cast<std::int16_t>(number);
    }
    void label(int col, int row, char c) { engine.labelBoard[static_cast<std::size_t>(pointIndex(col, row))] = c; }
    void addCandidate(int col, int row)
    {
        engine.candidates[static_cast<std::size_t>(engine.candidateCount++)] = Point{col, row};
    }

    int x(int col) const { return layout.boardOriginX + col * layout.gridSpacing; }
    int y(int row) const { return layout.boardOriginY + row * layout.gridSpacing; }

    test::RecordingMessageService messages;
    JosekiEngine engine{messages};
    TrialBoard trial;
    Layout layout;
    QFont numberFont;
    QFont coordinateFont;
    int moveNumberMode = 0;
    int showCoordinates = 0;
    int boardTexture = 0;
    int trialMode = 0;
    int highlightedCandidate = -1;
    std::vector<Point> bookMarks; // as the book's answers put them into the scene
};

inline QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

// Bounding box of the pixels where two frames differ, or nothing.
inline std::optional<QRect> differences(const QImage& a, const QImage& b)
{
    std::optional<QRect> box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
        }
    }
    return box;
}

inline bool containsColour(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (at(image, x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace joseki::test::painting

#include "ui/BoardPainter.h"
#include "tests/ui/PainterFrame.h"
#include "ui/BoardTextures.h"
#include "ui/FontWithCellHeight.h"
#include "ui/StoneImageCache.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace joseki {
namespace {

using namespace test::painting;

TEST(BoardPainter, GridLinesLeaveOutTheirFinalPixel)
{
    PainterFrame frame(570, 600); // origin (34, 41), spacing 25
    const QImage image = frame.paint().image;
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    const int right = frame.x(18);  // 484
    const int bottom = frame.y(18); // 491
    for (int i = 0; i < 19; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(at(image, frame.x(i), frame.y(0)), kBlackPixel);
        EXPECT_EQ(at(image, frame.x(i), bottom - 1), kBlackPixel);
        EXPECT_EQ(at(image, frame.x(0), frame.y(i)), kBlackPixel);
        EXPECT_EQ(at(image, right - 1, frame.y(i)), kBlackPixel);
        EXPECT_NE(at(image, frame.x(i) + 1, frame.y(0) + 1), kBlackPixel);
    }
    // The last vertical and the last horizontal line both stop one short of
    // the lower-right corner, so that single pixel stays unpainted.
    EXPECT_EQ(at(image, right, bottom - 1), kBlackPixel);
    EXPECT_EQ(at(image, right - 1, bottom), kBlackPixel);
    EXPECT_NE(at(image, right, bottom), kBlackPixel);
    EXPECT_NE(at(image, right, bottom + 1), kBlackPixel);
    EXPECT_NE(at(image, right + 1, bottom), kBlackPixel);
    EXPECT_NE(at(image, frame.x(0) - 1, frame.y(0)), kBlackPixel);
    EXPECT_NE(at(image, frame.x(0), frame.y(0) - 1), kBlackPixel);
}

TEST(BoardPainter, StarPointsAreFiveByFiveSquares)
{
    PainterFrame frame(570, 600);
    const QImage image = frame.paint().image;
    for (int col : {3, 9, 15}) {
        for (int row : {3, 9, 15}) {
            SCOPED_TRACE(col * 100 + row);
            const int x = frame.x(col);
            const int y = frame.y(row);
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx)
                    EXPECT_EQ(at(image, x + dx, y + dy), kBlackPixel);
            }
            // Just outside the square, off the grid lines.
            EXPECT_NE(at(image, x - 3, y - 1), kBlackPixel);
            EXPECT_NE(at(image, x + 3, y - 1), kBlackPixel);
            EXPECT_NE(at(image, x - 1, y - 3), kBlackPixel);
            EXPECT_NE(at(image, x - 1, y + 3), kBlackPixel);
        }
    }
}

TEST(BoardPainter, BorderClosesAroundTheBoardAndTheBackgroundIsGrey)
{
    PainterFrame frame(570, 600);
    const Rect board = frame.layout.boardRect; // (19, 26, 501, 506)
    const QImage image = frame.paint().image;
    for (int x : {board.left, 200, board.right - 1, board.right}) {
        EXPECT_EQ(at(image, x, board.top), kBorderPixel) << x;
        EXPECT_EQ(at(image, x, board.bottom), kBorderPixel) << x;
    }
    for (int y : {board.top, 300, board.bottom - 1, board.bottom}) {
        EXPECT_EQ(at(image, board.left, y), kBorderPixel) << y;
        EXPECT_EQ(at(image, board.right, y), kBorderPixel) << y;
    }
    EXPECT_EQ(at(image, board.left - 1, 300), kBackgroundPixel);
    EXPECT_EQ(at(image, board.right + 1, 300), kBackgroundPixel);
    EXPECT_EQ(at(image, 300, board.top - 1), kBackgroundPixel);
    EXPECT_EQ(at(image, 300, board.bottom + 1), kBackgroundPixel);
    EXPECT_EQ(at(image, 0, 0), kBackgroundPixel);
    EXPECT_EQ(at(image, image.width() - 1, image.height() - 1), kBackgroundPixel);
}

TEST(BoardPainter, TrialModeFillsTheFrameBand)
{
    PainterFrame frame(570, 600);
    const Rect band = frame.layout.bandedBoardRect; // (9, 16, 511, 516)
    frame.trialMode = 1;
    const QImage trial = frame.paint().image;
    EXPECT_EQ(at(trial, band.left, band.top), kBandPixel);
    EXPECT_EQ(at(trial, band.right - 1, band.bottom - 1), kBandPixel);
    EXPECT_EQ(at(trial, band.left, 300), kBandPixel);
    EXPECT_EQ(at(trial, frame.layout.boardRect.right + 1, 300), kBandPixel);
    EXPECT_EQ(at(trial, band.right, 300), kBackgroundPixel);
    EXPECT_EQ(at(trial, band.left - 1, 300), kBackgroundPixel);
    EXPECT_EQ(at(trial, 300, band.bottom), kBackgroundPixel);
    frame.trialMode = 0;
    EXPECT_EQ(at(frame.paint().image, band.left, band.top), kBackgroundPixel);
}

TEST(BoardPainter, OnlyTheEmptyBoardBeforeTheLibraryIsLoaded)
{
    PainterFrame unloaded(570, 600, false);
    PainterFrame empty(570, 600);
    for (PainterFrame* frame : {&unloaded, &empty})
        frame->showCoordinates = 1;
    unloaded.placeBook(3, 3, kBlack, 1);
    unloaded.engine.stoneCount = 1;
    unloaded.moveNumberMode = 1000;
    unloaded.label(5, 5, 'A');
    unloaded.addCandidate(6, 6);
    unloaded.addCandidate(kNoMove, kNoMove);
    const PainterFrame::Painted before = unloaded.paint();
    EXPECT_EQ(before.image, empty.paint().image);
    EXPECT_FALSE(before.scene.tenukiEnabled.has_value());
    EXPECT_FALSE(before.scene.tenukiEnabled.value_or(false));
    // A root without its text does not count as loaded either.
    NodeArena tree;
    VariationNode* root = tree.newNode();
    unloaded.engine.adoptTree(std::move(tree), root);
    EXPECT_FALSE(unloaded.paint().scene.tenukiEnabled.has_value());
}

TEST(BoardPainter, CoordinatesSkipKAndStandOnTheTopAndRightEdges)
{
    PainterFrame frame(738, 768); // spacing 33
    const QImage plain = frame.paint().image;
    frame.showCoordinates = 1;
    const QImage shown = frame.paint().image;

    ASSERT_EQ(frame.x(0), 42);
    ASSERT_EQ(frame.y(0), 49);

    // The same texts drawn by hand at their cells' top-left corners, in this
    // layout's pixels: each letter 3 left of its line and 16 above the top
    // line; the numbers 641 (two digits) or 643 (one) across and 8 above
    // their lines.
    QImage expected = plain;
    {
        QPainter painter(&expected);
        painter.setFont(frame.coordinateFont);
        painter.setPen(QColor(kCoordinatePixel));
        const int ascent = QFontMetrics(frame.coordinateFont).ascent();
        const QString letters = QStringLiteral("ABCDEFGHIJLMNOPQRST");
        for (int j = 0; j < 19; ++j) {
            painter.drawText(QPoint(39 + 33 * j, 33 + ascent), letters.mid(j, 1));
            painter.drawText(QPoint(j < 10 ? 641 : 643, 41 + 33 * j + ascent), QString::number(19 - j));
        }
    }
    EXPECT_EQ(shown, expected);
    // Nothing along the left and bottom edges.
    const auto changed = differences(plain, shown);
    ASSERT_TRUE(changed.has_value());
    EXPECT_GE(changed->left(), 39);
    EXPECT_LT(changed->bottom(), 49 + 18 * 33 + 16);
}

TEST(BoardPainter, TextureIndexOutOfRangeIsResetToTheFirstTexture)
{
    PainterFrame frame(570, 600);
    const QImage first = frame.paint().image;
    for (int texture : {5, -1, 3}) {
        frame.boardTexture = texture;
        const PainterFrame::Painted result = frame.paint();
        EXPECT_EQ(result.scene.boardTexture, 0) << texture;
        EXPECT_EQ(result.image, first) << texture;
    }
    frame.boardTexture = 2;
    EXPECT_EQ(frame.paint().scene.boardTexture, 2);
}

TEST(BoardPainter, TexturesTileFromTheClientOrigin)
{
    ASSERT_TRUE(resourcesPresent()) << "the compiled-in board images are missing";
    for (int index = 0; index < BoardTextures::kCount; ++index) {
        SCOPED_TRACE(index);
        PainterFrame frame(570, 600);
        frame.boardTexture = index;
        const QImage image = frame.paint().image;
        const QImage& wood = BoardTextures::texture(index);
        // Pixels between the grid lines, away from star points and border.
        for (const QPoint p :
             {QPoint(frame.x(0) - 5, frame.y(0) - 5), QPoint(frame.x(1) + 7, frame.y(2) + 11),
              QPoint(frame.x(17) + 12, frame.y(18) + 12), QPoint(frame.layout.boardRect.left + 1, 300)}) {
            EXPECT_EQ(at(image, p.x(), p.y()), wood.pixel(p.x() % wood.width(), p.y() % wood.height()) | 0xFF000000u)
                << p.x() << "," << p.y();
        }
    }
    PainterFrame first(570, 600);
    PainterFrame third(570, 600);
    third.boardTexture = 2;
    EXPECT_NE(first.paint().image, third.paint().image);
}

TEST(BoardPainter, PreparingAStoneDropsExactlyTheKeyColourAfterScaling)
{
    application();
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(233, 192, 95)); // the key colour
    source.setPixel(1, 0, qRgb(233, 192, 96)); // one step away: kept
    source.setPixel(0, 1, qRgb(0, 0, 0));
    source.setPixel(1, 1, qRgb(255, 255, 255));
    const QImage same = StoneImageCache::prepare(source, 0);
    ASSERT_EQ(same.size(), QSize(2, 2));
    EXPECT_EQ(qAlpha(same.pixel(0, 0)), 0);
    EXPECT_EQ(same.pixel(1, 0), qRgb(233, 192, 96));
    const QImage scaled = StoneImageCache::prepare(source, 4);
    ASSERT_EQ(scaled.size(), QSize(4, 4));
    // Nearest neighbour: each source pixel becomes a 2 x 2 block, unblended.
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const QRgb original = source.pixel(x / 2, y / 2);
            if (original == qRgb(233, 192, 95)) {
                EXPECT_EQ(qAlpha(scaled.pixel(x, y)), 0);
            } else {
                EXPECT_EQ(scaled.pixel(x, y), original);
            }
        }
    }
    EXPECT_TRUE(StoneImageCache::prepare(QImage(), 4).isNull());
}

// The stone frame must show the prepared picture where it is opaque and the
// empty board where it is transparent, inside exactly side x side pixels.
void expectStoneAt(const QImage& board, const QImage& empty, const QImage& stone, int left, int top, int side)
{
    ASSERT_EQ(stone.size(), QSize(side, side));
    int shownThrough = 0;
    for (int y = -1; y <= side; ++y) {
        for (int x = -1; x <= side; ++x) {
            const bool inside = x >= 0 && y >= 0 && x < side && y < side;
            const QRgb pixel = at(board, left + x, top + y);
            if (inside && qAlpha(stone.pixel(x, y)) == 255) {
                EXPECT_EQ(pixel, stone.pixel(x, y)) << x << "," << y;
            } else {
                EXPECT_EQ(pixel, at(empty, left + x, top + y)) << x << "," << y;
                shownThrough += inside ? 1 : 0;
            }
            EXPECT_NE(pixel, qRgb(233, 192, 95));
        }
    }
    // The disc's corners let the board show through.
    EXPECT_GT(shownThrough, 0);
    EXPECT_EQ(qAlpha(stone.pixel(0, 0)), 0);
}

TEST(BoardPainter, StonesAreSmallUpToSpacingThirtyAndScaledAbove)
{
    ASSERT_TRUE(resourcesPresent()) << "the compiled-in stone images are missing";
    struct Case {
        int workArea;
        int spacing;
        int side;
    };
    for (const Case& c : {Case{664, 29, 23}, Case{768, 31, 31}, Case{1040, 45, 45}}) {
        SCOPED_TRACE(c.spacing);
        PainterFrame frame(c.workArea, c.workArea == 768 ? 768 : 0);
        ASSERT_EQ(frame.layout.gridSpacing, c.spacing);
        const QImage empty = frame.paint().image;
        frame.placeBook(10, 10, kBlack, 1);
        frame.placeBook(12, 10, kWhite, 2);
        frame.engine.stoneCount = 2;
        const QImage board = frame.paint().image;
        const int half = c.side == 23 ? 11 : c.spacing / 2;
        expectStoneAt(board, empty, StoneImageCache::stone(kBlack, c.spacing), frame.x(10) - half, frame.y(10) - half,
                      c.side);
        expectStoneAt(board, empty, StoneImageCache::stone(kWhite, c.spacing), frame.x(12) - half, frame.y(10) - half,
                      c.side);
        // Codes other than black and white draw nothing.
        PainterFrame odd(c.workArea, c.workArea == 768 ? 768 : 0);
        odd.placeBook(10, 10, 3, 1);
        odd.engine.stoneCount = 1;
        odd.moveNumberMode = 1000;
        EXPECT_EQ(odd.paint().image, empty);
    }
}

// Left-most and top-most pixel a move number changes, relative to the centre.
QPoint numberInk(PainterFrame& frame, int col, int row)
{
    const int mode = frame.moveNumberMode;
    frame.moveNumberMode = 0;
    const QImage plain = frame.paint().image;
    frame.moveNumberMode = mode;
    const QImage numbered = frame.paint().image;
    // Three digits reach past the stone on small grids: look a spacing either side.
    const int g = frame.layout.gridSpacing;
    const QRect area(frame.x(col) - g, frame.y(row) - g, 2 * g, 2 * g);
    std::optional<QRect> box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (plain.pixel(x, y) != numbered.pixel(x, y))
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
        }
    }
    if (!box)
        return QPoint(1000, 1000);
    return box->topLeft() - QPoint(frame.x(col), frame.y(row));
}

TEST(BoardPainter, MoveNumbersStartFiveDigitWidthsLeftOfTheCentre)
{
    for (int workArea : {570, 1040}) {
        SCOPED_TRACE(workArea);
        PainterFrame frame(workArea);
        frame.placeBook(3, 4, kWhite, 1);
        frame.placeBook(7, 4, kWhite, 12);
        frame.placeBook(11, 4, kWhite, 123);
        frame.engine.stoneCount = 123;
        frame.moveNumberMode = 1000;
        const QPoint one = numberInk(frame, 3, 4);
        const QPoint two = numberInk(frame, 7, 4);
        const QPoint three = numberInk(frame, 11, 4);
        // Each number starts with the same glyph, so only the fixed offsets differ.
        EXPECT_EQ(one.x() - two.x(), 5);
        EXPECT_EQ(two.x() - three.x(), 5);
        // The cell starts 3 pixels left; the glyph adds its own small bearing.
        EXPECT_GE(one.x(), -3);
        EXPECT_LE(one.x(), 0);
        // The cell's top is 8 pixels above the centre; digits start below it.
        EXPECT_GE(one.y(), -8);
        EXPECT_LE(one.y(), -2);
        EXPECT_EQ(one.y(), two.y());
    }
}

TEST(BoardPainter, OnlyTheLastStonesAreNumberedInTheirColours)
{
    PainterFrame frame(738, 768);
    frame.engine.stoneCount = 12;
    frame.placeBook(2, 2, kBlack, 7);
    frame.placeBook(4, 2, kBlack, 8);
    frame.placeBook(6, 2, kWhite, 12);
    struct Case {
        int mode;
        bool seven;
        bool eight;
    };
    for (const Case& c : {Case{5, false, true}, Case{0, false, false}, Case{1000, true, true}, Case{6, true, true}}) {
        SCOPED_TRACE(c.mode);
        frame.moveNumberMode = c.mode;
        EXPECT_EQ(numberInk(frame, 2, 2).x() < 1000, c.seven);
        EXPECT_EQ(numberInk(frame, 4, 2).x() < 1000, c.eight);
    }
    frame.moveNumberMode = 5;
    const QImage image = frame.paint().image;
    const QRect onBlack(frame.x(4) - 16, frame.y(2) - 16, 33, 33);
    const QRect onWhite(frame.x(6) - 16, frame.y(2) - 16, 33, 33);
    EXPECT_TRUE(containsColour(image, onBlack, kBookOnBlackPixel));
    EXPECT_FALSE(containsColour(image, onWhite, kBookOnBlackPixel));
    // Black digits on white: the bold strokes have fully black pixels.
    ASSERT_TRUE(resourcesPresent());
    EXPECT_TRUE(containsColour(image, QRect(frame.x(6) - 5, frame.y(2) - 8, 10, 14), kBlackPixel));
}

TEST(BoardPainter, TrialStonesAreNumberedFromOneWhateverTheMode)
{
    PainterFrame frame(738, 768);
    frame.trialMode = 1;
    frame.moveNumberMode = 0;
    frame.placeTrial(3, 3, kBlack, 0); // taken over from the book
    frame.placeTrial(5, 5, kBlack, 1);
    frame.placeTrial(7, 7, kWhite, 2);
    frame.engine.stoneCount = 50;
    frame.label(9, 9, 'A');
    frame.addCandidate(10, 10);
    frame.addCandidate(kNoMove, kNoMove);
    const PainterFrame::Painted result = frame.paint();
    EXPECT_FALSE(result.scene.tenukiEnabled.has_value());
    const QImage& image = result.image;
    EXPECT_TRUE(containsColour(image, QRect(frame.x(5) - 16, frame.y(5) - 16, 33, 33), kTrialOnBlackPixel));
    EXPECT_FALSE(containsColour(image, QRect(frame.x(3) - 16, frame.y(3) - 16, 33, 33), kTrialOnBlackPixel));
    // No labels and no candidate squares in trial play.
    EXPECT_FALSE(containsColour(image, QRect(frame.x(9) - 16, frame.y(9) - 16, 33, 33), kLabelPixel));
    EXPECT_FALSE(containsColour(image, QRect(frame.x(10) - 16, frame.y(10) - 16, 33, 33), kCandidatePixel));
    // The book stones are not drawn either.
    PainterFrame bookOnly(738, 768);
    bookOnly.trialMode = 1;
    const QImage emptyTrial = bookOnly.paint().image;
    bookOnly.placeBook(12, 12, kBlack, 1);
    bookOnly.engine.stoneCount = 1;
    EXPECT_EQ(bookOnly.paint().image, emptyTrial);
}

struct SquareCase {
    int workArea;
    int screen;
    int labelHalf;
    int candidateHalf;
};

const std::vector<SquareCase> kSquareCases = {{570, 600, 5, 3}, {600, 700, 6, 4}};

// A square of `colour` from (x - h, y - h) inclusive to (x + h, y + h) exclusive, and nothing of it outside.
void expectSquare(const QImage& image, int x, int y, int h, QRgb colour)
{
    for (int dy = -h; dy < h; ++dy) {
        for (int dx = -h; dx < h; ++dx)
            EXPECT_EQ(at(image, x + dx, y + dy), colour) << dx << "," << dy;
    }
    for (int d = -h; d < h; ++d) {
        EXPECT_NE(at(image, x - h - 1, y + d), colour);
        EXPECT_NE(at(image, x + h, y + d), colour);
        EXPECT_NE(at(image, x + d, y - h - 1), colour);
        EXPECT_NE(at(image, x + d, y + h), colour);
    }
}

TEST(BoardPainter, CandidateSquaresHaveExactExtents)
{
    for (const SquareCase& c : kSquareCases) {
        SCOPED_TRACE(c.workArea);
        PainterFrame frame(c.workArea, c.screen);
        frame.addCandidate(4, 6);
        frame.placeBook(8, 6, kBlack, 1);
        frame.engine.stoneCount = 1;
        frame.addCandidate(8, 6); // over a stone: the square covers its centre
        const QImage image = frame.paint().image;
        for (int col : {4, 8}) {
            SCOPED_TRACE(col);
            expectSquare(image, frame.x(col), frame.y(6), c.candidateHalf, kCandidatePixel);
        }
    }
}

TEST(BoardPainter, BookMarksOnTheTrialBoardAreCandidateSquaresInTheirOwnColour)
{
    for (const SquareCase& c : kSquareCases) {
        SCOPED_TRACE(c.workArea);
        PainterFrame frame(c.workArea, c.screen);
        frame.trialMode = 1;
        frame.placeTrial(8, 6, kWhite, 1);
        const QImage unmarked = frame.paint().image;
        frame.bookMarks = {Point{4, 6}, Point{8, 6}, kNoMovePoint}; // a tenuki has no square
        const QImage image = frame.paint().image;
        for (int col : {4, 8}) {
            SCOPED_TRACE(col);
            expectSquare(image, frame.x(col), frame.y(6), c.candidateHalf, kBookMarkPixel);
        }
        EXPECT_EQ(differences(unmarked, image),
                  QRect(frame.x(4) - c.candidateHalf, frame.y(6) - c.candidateHalf,
                        frame.x(8) - frame.x(4) + 2 * c.candidateHalf, 2 * c.candidateHalf));
    }
    // The book position draws no book marks.
    PainterFrame book(570, 600);
    const QImage plain = book.paint().image;
    book.bookMarks = {Point{4, 6}};
    EXPECT_EQ(differences(plain, book.paint().image), std::nullopt);
}

// One line of pixels through a point: 'H' where the highlight colour is, '.' elsewhere.
std::string highlightRun(const QImage& image, QPoint centre, QPoint step, int reach)
{
    std::string run;
    for (int i = -reach; i <= reach; ++i)
        run += at(image, centre.x() + i * step.x(), centre.y() + i * step.y()) == kHighlightPixel ? 'H' : '.';
    return run;
}

TEST(BoardPainter, TheHighlightedCandidateGetsATwoPixelFrameInsideItsSquare)
{
    // Spacing 25: the frame's outer edge 11 pixels from the centre.
    PainterFrame frame(570, 600);
    frame.addCandidate(9, 9);
    frame.addCandidate(3, 3);
    frame.label(3, 3, 'A');
    const QImage plain = frame.paint().image;
    frame.highlightedCandidate = 1;
    const QImage marked = frame.paint().image;
    const QPoint centre(frame.x(3), frame.y(3));
    const char* across = "..HH...................HH..";
    EXPECT_EQ(highlightRun(marked, centre, QPoint(1, 0), 13), across);
    EXPECT_EQ(highlightRun(marked, centre, QPoint(0, 1), 13), across);
    EXPECT_EQ(differences(plain, marked), QRect(centre.x() - 11, centre.y() - 11, 23, 23));
}

TEST(BoardPainter, NoHighlightForATenukiOrInTrialPlay)
{
    PainterFrame frame(570, 600);
    frame.addCandidate(kNoMove, kNoMove);
    frame.addCandidate(3, 3);
    const QImage plain = frame.paint().image;
    frame.highlightedCandidate = 0;
    EXPECT_EQ(differences(plain, frame.paint().image), std::nullopt);
    frame.trialMode = 1;
    const QImage trialPlain = frame.paint().image;
    frame.highlightedCandidate = 1;
    EXPECT_EQ(differences(trialPlain, frame.paint().image), std::nullopt);
}

TEST(BoardPainter, BranchLabelsSitOnSquaresInTheCoordinateColour)
{
    for (const SquareCase& c : kSquareCases) {
        SCOPED_TRACE(c.workArea);
        PainterFrame frame(c.workArea, c.screen);
        frame.showCoordinates = 1;
        frame.label(4, 6, 'A');
        frame.label(10, 6, 'b');
        frame.addCandidate(4, 6); // labelled: no candidate square
        const QImage image = frame.paint().image;
        for (int col : {4, 10}) {
            const int x = frame.x(col);
            const int y = frame.y(6);
            const int h = c.labelHalf;
            // The left column of the square lies outside the letter's cell.
            for (int dy = -h; dy < h; ++dy)
                EXPECT_EQ(at(image, x - h, y + dy), kLabelPixel) << col << ":" << dy;
            EXPECT_NE(at(image, x - h - 1, y), kLabelPixel);
            EXPECT_NE(at(image, x - h, y - h - 1), kLabelPixel);
            EXPECT_NE(at(image, x - h, y + h), kLabelPixel);
            const QRect cell(x - 4, y - 8, 14, 18);
            EXPECT_TRUE(containsColour(image, cell, kCoordinatePixel));
            EXPECT_FALSE(containsColour(image, cell, kCandidatePixel));
        }
        // Without coordinates the letters are black.
        frame.showCoordinates = 0;
        const QImage plain = frame.paint().image;
        const QRect cell(frame.x(4) - 4, frame.y(6) - 8, 14, 18);
        EXPECT_FALSE(containsColour(plain, cell, kCoordinatePixel));
        EXPECT_TRUE(containsColour(plain, cell, kBlackPixel));
    }
}

TEST(BoardPainter, TenukiButtonFollowsTheCandidates)
{
    PainterFrame frame(570, 600);
    frame.addCandidate(3, 3);
    PainterFrame::Painted result = frame.paint();
    EXPECT_TRUE(result.scene.tenukiEnabled.has_value());
    EXPECT_FALSE(result.scene.tenukiEnabled.value_or(false));

    const QImage withoutTenuki = result.image;
    frame.addCandidate(kNoMove, kNoMove);
    frame.addCandidate(-1, 4); // off the board: ignored
    frame.addCandidate(19, 2);
    result = frame.paint();
    EXPECT_TRUE(result.scene.tenukiEnabled.has_value());
    EXPECT_TRUE(result.scene.tenukiEnabled.value_or(false));
    EXPECT_EQ(result.image, withoutTenuki);
}

TEST(BoardPainter, FontCellHeightsMatchTheRequestedHeights)
{
    application();
    for (int height : {12, 14, 16, 18, 20}) {
        for (int weight : {400, 900}) {
            const QFont font = fontWithCellHeight(QStringLiteral("Arial"), height, weight);
            const QFontMetrics metrics(font);
            EXPECT_LE(metrics.ascent() + metrics.descent(), height) << height;
            EXPECT_GE(metrics.ascent() + metrics.descent(), height - 1) << height;
            EXPECT_EQ(font.weight(), weight == 900 ? QFont::Black : QFont::Normal);
        }
    }
}

} // namespace
} // namespace joseki

#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdlib>
#include <functional>

namespace joseki::test {

// A pixel counts as ink where black text covers more than a quarter of it:
// the faint edge of antialiased glyphs comes and goes with the background and
// the subpixel position, the body of a glyph does not.
inline constexpr double kInkCoverage = 0.25;

// The smallest rectangle holding every pixel that black text drawn over
// `background` made darker by more than kInkCoverage of the way to black.
inline QRect inkBetween(const QImage& background, const QImage& written)
{
    const QImage before = background.convertToFormat(QImage::Format_RGB32);
    const QImage after = written.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < before.height() && y < after.height(); ++y) {
        for (int x = 0; x < before.width() && x < after.width(); ++x) {
            const int lighter = qGray(before.pixel(x, y));
            const int darkened = lighter - qGray(after.pixel(x, y));
            if (lighter > 0 && darkened > kInkCoverage * lighter)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The size of the ink of a text drawn alone, uncut, in a font, starting
// `xOffset` of a pixel right of a pixel edge.
inline QSize inkOfText(const QFont& font, const QString& text, qreal xOffset = 0.0)
{
    constexpr int kMargin = 20;
    const QFontMetrics metrics(font);
    QImage blank(metrics.horizontalAdvance(text) + 2 * kMargin, metrics.height() + 2 * kMargin, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage written = blank;
    QPainter painter(&written);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(kMargin + xOffset, kMargin + metrics.ascent()), text);
    painter.end();
    return inkBetween(blank, written).size();
}

// True when `ink` is the ink of the whole text: a control that centres its
// caption may start it between two pixels, which moves the glyph edges.
inline bool isWholeText(const QSize& ink, const QFont& font, const QString& text)
{
    constexpr qreal kSubpixelSteps[] = {0.0, 0.25, 0.5, 0.75};
    for (const qreal offset : kSubpixelSteps) {
        if (inkOfText(font, text, offset) == ink)
            return true;
    }
    return false;
}

// The size of the ink a black caption puts into a control: the control drawn
// with the caption against the control drawn without it. A caption the
// control cuts has less ink than the text drawn alone.
inline QSize inkInControl(QWidget& control, const std::function<void(bool withCaption)>& showCaption)
{
    showCaption(false);
    const QImage without = control.grab().toImage();
    showCaption(true);
    const QImage with = control.grab().toImage();
    return inkBetween(without, with).size();
}

} // namespace joseki::test

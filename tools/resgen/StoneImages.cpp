#include "StoneImages.h"

#include <QList>
#include <QPoint>

#include <cmath>

namespace resgen {

namespace {

// Subsamples per pixel along each axis for the antialiased edge.
constexpr int kSubsamples = 8;
constexpr double kSubsampleCount = kSubsamples * kSubsamples;

// Pixels the disc covers less than this become key colour: a faint tan
// speck would show on the paler boards more than a slightly crisper edge.
constexpr double kMinCoverage = 0.3;

// What edge pixels are blended with: a tan between the board woods.
const RgbF kEdgeBlend = fromRgb(215, 170, 90);

// The triangle mark, in radii from the centre: in the lower-right quarter.
struct Triangle {
    double ax, ay, bx, by, cx, cy;
};
constexpr Triangle kMarkTriangle{0.42, 0.14, 0.16, 0.62, 0.68, 0.62};

double edgeSide(double px, double py, double ax, double ay, double bx, double by)
{
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

bool insideTriangle(const Triangle& t, double u, double v)
{
    const double d1 = edgeSide(u, v, t.ax, t.ay, t.bx, t.by);
    const double d2 = edgeSide(u, v, t.bx, t.by, t.cx, t.cy);
    const double d3 = edgeSide(u, v, t.cx, t.cy, t.ax, t.ay);
    const bool anyNegative = d1 < 0.0 || d2 < 0.0 || d3 < 0.0;
    const bool anyPositive = d1 > 0.0 || d2 > 0.0 || d3 > 0.0;
    return !(anyNegative && anyPositive);
}

struct PixelCoverage {
    double coverage = 0.0; // fraction of subsamples on the stone
    RgbF premultiplied;    // sum of stone colours / subsample count
};

PixelCoverage samplePixel(const StoneShader& shader, int side, StoneImages::Mark mark, int px, int py)
{
    const double radius = side / 2.0;
    PixelCoverage result;
    for (int sy = 0; sy < kSubsamples; ++sy) {
        for (int sx = 0; sx < kSubsamples; ++sx) {
            const double x = px + (sx + 0.5) / kSubsamples;
            const double y = py + (sy + 0.5) / kSubsamples;
            const double u = (x - radius) / radius;
            const double v = (y - radius) / radius;
            if (u * u + v * v > 1.0)
                continue;
            const bool onMark = mark == StoneImages::Mark::Triangle && insideTriangle(kMarkTriangle, u, v);
            const RgbF c = onMark ? shader.markColour() : shader.shade(u, v);
            result.premultiplied = result.premultiplied + c * (1.0 / kSubsampleCount);
            result.coverage += 1.0 / kSubsampleCount;
        }
    }
    return result;
}

// Moves a colour that happens to equal the key colour by one step in blue,
// invisible to the eye but no longer dropped by the board.
QRgb avoidKey(QRgb c)
{
    if (c != kKeyColour)
        return c;
    return qRgb(qRed(c), qGreen(c), qBlue(c) + 1);
}

bool allCornersOutside(int px, int py, double radius)
{
    for (int cy = 0; cy <= 1; ++cy) {
        for (int cx = 0; cx <= 1; ++cx) {
            const double dx = px + cx - radius;
            const double dy = py + cy - radius;
            if (dx * dx + dy * dy < radius * radius)
                return false;
        }
    }
    return true;
}

// Number of key-colour pixels reachable from the border through key colour.
int keyPixelsConnectedToBorder(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    QList<bool> seen(static_cast<qsizetype>(w) * h, false);
    QList<QPoint> todo;
    auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return;
        const qsizetype i = static_cast<qsizetype>(y) * w + x;
        if (seen[i] || image.pixel(x, y) != kKeyColour)
            return;
        seen[i] = true;
        todo.append(QPoint(x, y));
    };
    for (int x = 0; x < w; ++x) {
        push(x, 0);
        push(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        push(0, y);
        push(w - 1, y);
    }
    int count = 0;
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        ++count;
        push(p.x() + 1, p.y());
        push(p.x() - 1, p.y());
        push(p.x(), p.y() + 1);
        push(p.x(), p.y() - 1);
    }
    return count;
}

} // namespace

QImage StoneImages::keyed(StoneColour colour, int side, Mark mark)
{
    const StoneShader shader(colour);
    QImage image(side, side, QImage::Format_RGB32);
    for (int py = 0; py < side; ++py) {
        for (int px = 0; px < side; ++px) {
            const PixelCoverage p = samplePixel(shader, side, mark, px, py);
            if (p.coverage < kMinCoverage) {
                image.setPixel(px, py, kKeyColour);
                continue;
            }
            const RgbF c = p.premultiplied + kEdgeBlend * (1.0 - p.coverage);
            image.setPixel(px, py, avoidKey(toRgb(c)));
        }
    }
    return image;
}

QImage StoneImages::sprite(StoneColour colour, int side)
{
    const StoneShader shader(colour);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    for (int py = 0; py < side; ++py) {
        for (int px = 0; px < side; ++px) {
            const PixelCoverage p = samplePixel(shader, side, Mark::None, px, py);
            const RgbF c = p.premultiplied;
            image.setPixel(px, py,
                           qRgba(toChannel(c.r), toChannel(c.g), toChannel(c.b), toChannel(p.coverage * kChannelMax)));
        }
    }
    return image;
}

QString StoneImages::checkKeyed(const QImage& image)
{
    const double radius = image.width() / 2.0;
    const double innerLimit = radius - 1.0;
    int keyCount = 0;
    for (int py = 0; py < image.height(); ++py) {
        for (int px = 0; px < image.width(); ++px) {
            const bool isKey = image.pixel(px, py) == kKeyColour;
            keyCount += isKey ? 1 : 0;
            const double dx = px + 0.5 - radius;
            const double dy = py + 0.5 - radius;
            if (isKey && dx * dx + dy * dy < innerLimit * innerLimit)
                return QStringLiteral("key colour inside the disc at %1,%2").arg(px).arg(py);
            if (!isKey && allCornersOutside(px, py, radius))
                return QStringLiteral("pixel outside the disc is not key colour at %1,%2").arg(px).arg(py);
        }
    }
    if (keyPixelsConnectedToBorder(image) != keyCount)
        return QStringLiteral("key colour pixels not connected to the border");
    return {};
}

} // namespace resgen

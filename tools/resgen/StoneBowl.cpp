#include "StoneBowl.h"

#include "StoneImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace resgen {

namespace {

// Proportions relative to the rim's width.
constexpr double kRimDepth = 0.17; // ellipse height / width, from the viewing angle
constexpr double kBodyHeight = 0.60;
constexpr double kBulge = 1.14;      // widest point / rim width
constexpr double kBulgeLevel = 0.30; // where the bulge is, down the body
constexpr double kBase = 0.62;       // foot width / rim width
constexpr double kBaseDepth = 0.10;
constexpr double kRimThickness = 0.045;
constexpr double kStoneSize = 0.19;
constexpr double kStoneSquash = 0.5;  // stones lie flat, seen at an angle
constexpr double kHeapHeight = 0.08;  // how far the heap rises over the rim
constexpr double kHeapSpread = 0.8;   // the heap's width / the opening's
constexpr double kEndClearance = 0.4; // in stone widths
constexpr double kShadowWidth = 1.5;
constexpr double kShadowDepth = 0.22;

const QColor kWoodDark(92, 50, 22);
const QColor kWoodMid(172, 106, 50);
const QColor kWoodLight(214, 148, 80);
const QColor kWoodGlint(238, 184, 118);
const QColor kRimLight(226, 166, 98);
const QColor kRimDark(160, 98, 46);
const QColor kInside(48, 26, 12);
const QColor kGrain(80, 40, 14, 45);
constexpr int kGrainLines = 6;
constexpr int kShadowAlpha = 150;
constexpr int kBottomShadeAlpha = 110;

// The standard fixes minstd_rand's sequence, so the bowls look the same on
// every platform (unlike the standard distributions).
double unitRandom(std::minstd_rand& rng)
{
    return static_cast<double>(rng() - std::minstd_rand::min()) /
           static_cast<double>(std::minstd_rand::max() - std::minstd_rand::min());
}

} // namespace

StoneBowl::StoneBowl(QPointF rimCentre, double width, StoneColour stones, std::uint32_t seed)
    : m_rim(rimCentre), m_width(width), m_stones(stones), m_seed(seed)
{}

void StoneBowl::paint(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintShadow(painter);
    paintBody(painter);
    paintRim(painter);
    paintStones(painter);
    painter.restore();
}

void StoneBowl::paintShadow(QPainter& painter) const
{
    const double baseY = m_rim.y() + m_width * kBodyHeight;
    const QPointF centre(m_rim.x() + m_width * 0.08, baseY);
    const double rx = m_width * kShadowWidth / 2.0;
    const double ry = m_width * kShadowDepth / 2.0;
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, QColor(0, 0, 0, kShadowAlpha));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.save();
    painter.translate(centre);
    painter.scale(rx, ry);
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    painter.restore();
}

void StoneBowl::paintBody(QPainter& painter) const
{
    const double hw = m_width / 2.0;
    const double cx = m_rim.x();
    const double top = m_rim.y();
    const double height = m_width * kBodyHeight;
    const double baseY = top + height;
    const double baseHw = hw * kBase;
    const double baseRy = m_width * kBaseDepth / 2.0;
    const double bulgeY = top + height * kBulgeLevel;

    QPainterPath body;
    body.moveTo(cx - hw, top);
    body.cubicTo(cx - hw * kBulge * 1.06, bulgeY, cx - hw * kBulge, baseY - height * 0.15, cx - baseHw, baseY);
    body.arcTo(QRectF(cx - baseHw, baseY - baseRy, 2 * baseHw, 2 * baseRy), 180.0, 180.0);
    body.cubicTo(cx + hw * kBulge, baseY - height * 0.15, cx + hw * kBulge * 1.06, bulgeY, cx + hw, top);
    body.closeSubpath();

    QLinearGradient side(cx - hw * kBulge, 0, cx + hw * kBulge, 0);
    side.setColorAt(0.0, kWoodDark);
    side.setColorAt(0.18, kWoodMid);
    side.setColorAt(0.36, kWoodGlint);
    side.setColorAt(0.5, kWoodLight);
    side.setColorAt(0.8, kWoodMid);
    side.setColorAt(1.0, kWoodDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(side);
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    QLinearGradient shade(0, top, 0, baseY + baseRy);
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, kBottomShadeAlpha));
    painter.setBrush(shade);
    painter.drawRect(body.boundingRect());

    // Turned-wood grain: rings around the bowl, seen as flat arcs, unevenly
    // spaced and of uneven strength.
    painter.setBrush(Qt::NoBrush);
    std::minstd_rand rng(m_seed);
    for (int i = 1; i <= kGrainLines; ++i) {
        const double jitter = unitRandom(rng) - 0.5;
        const double y = top + height * (i + jitter * 0.6) / (kGrainLines + 1.0);
        const double ry = m_width * kRimDepth / 2.0 * (1.0 - 0.5 * i / kGrainLines);
        QColor grain = kGrain;
        grain.setAlpha(static_cast<int>(kGrain.alpha() * (0.4 + unitRandom(rng))));
        painter.setPen(QPen(grain, 0.5 + unitRandom(rng)));
        painter.drawArc(QRectF(cx - hw * kBulge, y - ry, 2 * hw * kBulge, 2 * ry), 180 * 16, 180 * 16);
    }
    painter.restore();
}

void StoneBowl::paintRim(QPainter& painter) const
{
    const double rx = m_width / 2.0;
    const double ry = m_width * kRimDepth / 2.0;
    QLinearGradient rimShade(m_rim.x() - rx, 0, m_rim.x() + rx, 0);
    rimShade.setColorAt(0.0, kRimDark);
    rimShade.setColorAt(0.35, kRimLight);
    rimShade.setColorAt(1.0, kRimDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rimShade);
    painter.drawEllipse(m_rim, rx, ry);

    const double t = m_width * kRimThickness;
    painter.setBrush(kInside);
    painter.drawEllipse(m_rim, rx - t, ry - t * kRimDepth * 2.0);
}

void StoneBowl::paintStones(QPainter& painter) const
{
    const double t = m_width * kRimThickness;
    const double rx = m_width / 2.0 - t;
    const double ry = m_width * kRimDepth / 2.0 - t * kRimDepth * 2.0;
    const double heap = m_width * kHeapHeight;

    // Where stone centres may lie: the opening, plus a low dome rising above
    // it. Stones are clipped only by the front of the rim, not by the dome.
    QPainterPath opening;
    opening.addEllipse(m_rim, rx, ry);
    QPainterPath dome;
    dome.addEllipse(m_rim, rx * kHeapSpread, ry + heap);
    QPainterPath behindRim;
    behindRim.addRect(QRectF(m_rim.x() - m_width, m_rim.y() - m_width, 2 * m_width, m_width));
    const int side = std::max(1, static_cast<int>(std::lround(m_width * kStoneSize)));
    const QImage stone = StoneImages::sprite(m_stones, side);
    const double w = side;
    const double h = side * kStoneSquash;

    // Centres keep clear of the rim's ends so no stone pokes out sideways.
    QPainterPath centres;
    centres.addEllipse(m_rim, rx - w * kEndClearance, ry);
    const QPainterPath region = centres.united(dome.intersected(behindRim));

    // Room above the heap for whole stones, but nothing past the rim's sides.
    QPainterPath roof;
    roof.addEllipse(m_rim, rx, ry + heap + h);
    const QPainterPath clip = opening.united(roof.intersected(behindRim));

    painter.save();
    painter.setClipPath(clip);
    std::minstd_rand rng(m_seed);
    auto jitter = [&rng](double amount) { return (unitRandom(rng) - 0.5) * amount; };
    const double rowStep = h * 0.55;
    const double colStep = w * 0.78;
    const QRectF bounds = region.boundingRect();
    int row = 0;
    for (double y = bounds.top() - h * 0.2; y < bounds.bottom() + h * 0.5; y += rowStep, ++row) {
        const double offset = (row % 2) * colStep / 2.0;
        for (double x = bounds.left() - w * 0.5 + offset; x < bounds.right() + w * 0.5; x += colStep) {
            const QPointF c(x + jitter(w * 0.25), y + jitter(h * 0.2));
            if (!region.contains(c))
                continue;
            painter.drawImage(QRectF(c.x() - w / 2.0, c.y() - h / 2.0, w, h), stone);
        }
    }
    painter.restore();
}

} // namespace resgen

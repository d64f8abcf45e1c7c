#pragma once

// Small colour arithmetic in floating point, used by the per-pixel renderers
// (stones, woods) so that shading can be mixed and scaled before rounding.

#include <QColor>
#include <QRgb>

#include <algorithm>
#include <cmath>

namespace resgen {

// The board drops pixels of exactly this colour from stone bitmaps.
inline constexpr QRgb kKeyColour = qRgb(233, 192, 95);

struct RgbF {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

inline constexpr double kChannelMax = 255.0;

inline RgbF operator+(RgbF a, RgbF b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline RgbF operator*(RgbF a, double k) { return {a.r * k, a.g * k, a.b * k}; }

inline RgbF mix(RgbF a, RgbF b, double t) { return a * (1.0 - t) + b * t; }

inline int toChannel(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, kChannelMax))); }

inline QRgb toRgb(RgbF c) { return qRgb(toChannel(c.r), toChannel(c.g), toChannel(c.b)); }

inline QColor toQColor(RgbF c) { return QColor(toChannel(c.r), toChannel(c.g), toChannel(c.b)); }

inline RgbF fromRgb(int r, int g, int b)
{
    return {static_cast<double>(r), static_cast<double>(g), static_cast<double>(b)};
}

inline double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

} // namespace resgen

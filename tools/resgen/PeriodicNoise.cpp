#include "PeriodicNoise.h"

#include <cmath>

namespace resgen {

namespace {

// Integer hash with good avalanche, so neighbouring lattice points are unrelated.
std::uint32_t mixBits(std::uint32_t x)
{
    constexpr std::uint32_t kMulA = 0x7feb352dU;
    constexpr std::uint32_t kMulB = 0x846ca68bU;
    constexpr int kShiftA = 16;
    constexpr int kShiftB = 15;
    x ^= x >> kShiftA;
    x *= kMulA;
    x ^= x >> kShiftB;
    x *= kMulB;
    x ^= x >> kShiftA;
    return x;
}

int wrap(int i, int period)
{
    const int m = i % period;
    return m < 0 ? m + period : m;
}

// Quintic fade: continuous first and second derivatives, no visible lattice.
double fade(double t)
{
    constexpr double kA = 6.0;
    constexpr double kB = 15.0;
    constexpr double kC = 10.0;
    return t * t * t * (t * (t * kA - kB) + kC);
}

double lerp(double a, double b, double t) { return a + (b - a) * t; }

} // namespace

PeriodicNoise::PeriodicNoise(std::uint32_t seed, int periodX, int periodY)
    : m_seed(seed), m_periodX(periodX < 1 ? 1 : periodX), m_periodY(periodY < 1 ? 1 : periodY)
{}

double PeriodicNoise::lattice(int ix, int iy, int periodX, int periodY, std::uint32_t salt) const
{
    constexpr std::uint32_t kRowStride = 0x9e3779b9U;
    constexpr double kToUnit = 1.0 / 4294967295.0;
    const auto x = static_cast<std::uint32_t>(wrap(ix, periodX));
    const auto y = static_cast<std::uint32_t>(wrap(iy, periodY));
    const std::uint32_t h = mixBits(mixBits(m_seed ^ salt) + x + mixBits(y * kRowStride + salt));
    return static_cast<double>(h) * kToUnit;
}

double PeriodicNoise::atScaled(double x, double y, int periodX, int periodY, std::uint32_t salt) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double top = lerp(lattice(ix, iy, periodX, periodY, salt), lattice(ix + 1, iy, periodX, periodY, salt), tx);
    const double bottom =
        lerp(lattice(ix, iy + 1, periodX, periodY, salt), lattice(ix + 1, iy + 1, periodX, periodY, salt), tx);
    return lerp(top, bottom, ty);
}

double PeriodicNoise::at(double x, double y) const { return atScaled(x, y, m_periodX, m_periodY, 0U); }

double PeriodicNoise::fractal(double x, double y, int octaves) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    int scale = 1;
    for (int o = 0; o < octaves; ++o) {
        const auto salt = static_cast<std::uint32_t>(o + 1);
        sum += weight * atScaled(x * scale, y * scale, m_periodX * scale, m_periodY * scale, salt);
        total += weight;
        weight *= 0.5;
        scale *= 2;
    }
    return sum / total;
}

} // namespace resgen

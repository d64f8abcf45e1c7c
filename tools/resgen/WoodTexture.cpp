#include "WoodTexture.h"

#include "PeriodicNoise.h"

#include <QList>

#include <cmath>
#include <numbers>

namespace resgen {

namespace {

constexpr int kPaletteSize = 256;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Lattice cell sizes in pixels; each divides the tile size so the noise wraps
// exactly at the tile edge.
constexpr int kWarpCellY = 50;
constexpr int kBandCellY = 25;
constexpr int kRingCellY = 40;
constexpr int kPhaseCellY = 50;
constexpr int kFibreCellX = 25;
constexpr int kFibreCellY = 2;

// The wave's phase may turn this many times down one lattice cell.
constexpr double kWarpPhaseTurns = 1.5;
// A second, independent noise column of the warp lattice gives the wave height.
constexpr double kWarpHeightColumn = 1.0;
constexpr int kWarpColumns = 2;
constexpr int kBandOctaves = 3;
constexpr int kRingOctaves = 2;

// Seed offsets so the separate noise layers of one wood are unrelated.
constexpr std::uint32_t kWarpSalt = 11U;
constexpr std::uint32_t kBandSalt = 23U;
constexpr std::uint32_t kRingSalt = 37U;
constexpr std::uint32_t kPhaseSalt = 41U;
constexpr std::uint32_t kFibreSalt = 53U;

// How much the stripe phase may drift along the tile, in stripe periods.
constexpr double kStripePhaseDrift = 0.6;

RgbF rampColour(const std::vector<WoodStyle::Stop>& ramp, double t)
{
    if (t <= ramp.front().at)
        return ramp.front().colour;
    for (std::size_t i = 1; i < ramp.size(); ++i) {
        if (t <= ramp[i].at) {
            const double span = ramp[i].at - ramp[i - 1].at;
            return mix(ramp[i - 1].colour, ramp[i].colour, (t - ramp[i - 1].at) / span);
        }
    }
    return ramp.back().colour;
}

QList<QRgb> paletteFor(const WoodStyle& style)
{
    QList<QRgb> palette;
    palette.reserve(kPaletteSize);
    for (int i = 0; i < kPaletteSize; ++i)
        palette.append(toRgb(rampColour(style.ramp, i / double(kPaletteSize - 1))));
    return palette;
}

class WoodField {
public:
    explicit WoodField(const WoodStyle& style)
        : m_style(style), m_warp(style.seed + kWarpSalt, kWarpColumns, WoodTexture::kHeight / kWarpCellY),
          m_bands(style.seed + kBandSalt, 1, WoodTexture::kHeight / kBandCellY),
          m_rings(style.seed + kRingSalt, 1, WoodTexture::kHeight / kRingCellY),
          m_phase(style.seed + kPhaseSalt, 1, WoodTexture::kHeight / kPhaseCellY),
          m_fibre(style.seed + kFibreSalt, WoodTexture::kWidth / kFibreCellX, WoodTexture::kHeight / kFibreCellY)
    {}

    // Position on the wood's ramp at a pixel: 0 light, 1 dark.
    double toneAt(int x, int y) const
    {
        const double warp = m_style.warpPixels * waviness(x, y);
        const double s = y + warp; // distance across the grain
        double tone = m_style.baseTone;
        tone += m_style.bandStrength * (m_bands.fractal(0.0, s / kBandCellY, kBandOctaves) - 0.5);
        tone += m_style.stripeStrength * stripe(s);
        tone += m_style.ringStrength * ring(s);
        tone += m_style.fibreStrength * (m_fibre.at(double(x) / kFibreCellX, double(y) / kFibreCellY) - 0.5);
        return std::clamp(tone, 0.0, 1.0);
    }

private:
    // One gentle wave per tile width; its phase and height drift down the
    // tile so neighbouring grain lines do not wave in step.
    double waviness(int x, int y) const
    {
        const double phase = m_warp.at(0.0, double(y) / kWarpCellY) * kTwoPi * kWarpPhaseTurns;
        const double height = m_warp.at(kWarpHeightColumn, double(y) / kWarpCellY);
        return height * std::sin(kTwoPi * x / WoodTexture::kWidth + phase);
    }

    // Evenly spaced dark lines whose spacing drifts a little.
    double stripe(double s) const
    {
        if (m_style.stripeCount == 0)
            return 0.0;
        const double drift = (m_phase.at(0.0, s / kPhaseCellY) - 0.5) * kStripePhaseDrift;
        const double phase = s * m_style.stripeCount / WoodTexture::kHeight + drift;
        const double wave = 0.5 + 0.5 * std::cos(kTwoPi * phase);
        return std::pow(wave, m_style.stripeSharpness);
    }

    // Growth rings: dark lines where a smooth noise crosses evenly spaced levels.
    double ring(double s) const
    {
        if (m_style.ringDensity <= 0.0)
            return 0.0;
        const double level = m_rings.fractal(0.0, s / kRingCellY, kRingOctaves) * m_style.ringDensity;
        const double frac = level - std::floor(level);
        const double wave = 0.5 + 0.5 * std::cos(kTwoPi * frac);
        return std::pow(wave, m_style.stripeSharpness);
    }

    const WoodStyle& m_style;
    PeriodicNoise m_warp;
    PeriodicNoise m_bands;
    PeriodicNoise m_rings;
    PeriodicNoise m_phase;
    PeriodicNoise m_fibre;
};

} // namespace

WoodStyle WoodTexture::lightStriped()
{
    WoodStyle s;
    s.seed = 150U;
    s.ramp = {{0.0, fromRgb(242, 210, 148)}, {0.5, fromRgb(226, 184, 116)}, {1.0, fromRgb(184, 134, 70)}};
    s.baseTone = 0.30;
    s.stripeCount = 11;
    s.stripeStrength = 0.35;
    s.stripeSharpness = 6.0;
    s.bandStrength = 0.30;
    s.warpPixels = 1.6;
    s.fibreStrength = 0.12;
    return s;
}

WoodStyle WoodTexture::paleStriped()
{
    WoodStyle s;
    s.seed = 151U;
    s.ramp = {{0.0, fromRgb(248, 234, 200)}, {0.5, fromRgb(236, 214, 168)}, {1.0, fromRgb(206, 176, 126)}};
    s.baseTone = 0.28;
    s.stripeCount = 16;
    s.stripeStrength = 0.28;
    s.stripeSharpness = 8.0;
    s.bandStrength = 0.22;
    s.warpPixels = 0.7;
    s.fibreStrength = 0.10;
    return s;
}

WoodStyle WoodTexture::warmGrained()
{
    WoodStyle s;
    s.seed = 149U;
    s.ramp = {{0.0, fromRgb(228, 168, 98)}, {0.5, fromRgb(204, 136, 72)}, {1.0, fromRgb(150, 88, 44)}};
    s.baseTone = 0.35;
    s.ringDensity = 9.0;
    s.ringStrength = 0.40;
    s.stripeSharpness = 5.0;
    s.bandStrength = 0.35;
    s.warpPixels = 3.0;
    s.fibreStrength = 0.22;
    return s;
}

QImage WoodTexture::render(const WoodStyle& style)
{
    QImage image(kWidth, kHeight, QImage::Format_Indexed8);
    image.setColorTable(paletteFor(style));
    const WoodField field(style);
    for (int y = 0; y < kHeight; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < kWidth; ++x)
            row[x] = static_cast<uchar>(std::lround(field.toneAt(x, y) * (kPaletteSize - 1)));
    }
    return image;
}

} // namespace resgen

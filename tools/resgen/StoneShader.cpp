#include "StoneShader.h"

#include <algorithm>
#include <cmath>

namespace resgen {

namespace {

struct Vec3 {
    double x;
    double y;
    double z;
};

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 normalized(Vec3 v)
{
    const double len = std::sqrt(dot(v, v));
    return {v.x / len, v.y / len, v.z / len};
}

// Light from the upper left, somewhat in front of the board.
const Vec3 kLight = normalized({-0.5, -0.62, 0.85});
const Vec3 kHalfway = normalized({kLight.x, kLight.y, kLight.z + 1.0});

// Raising the surface normal's z flattens the lens: real stones are far
// flatter than a hemisphere, which keeps the shading gentle.
constexpr double kLensFlatness = 0.35;

Vec3 surfaceNormal(double u, double v)
{
    const double d2 = std::min(u * u + v * v, 1.0);
    return normalized({u, v, std::sqrt(1.0 - d2) + kLensFlatness});
}

// Black slate: nearly black, lifted a little by diffuse light, with a soft glint.
const RgbF kBlackBase = fromRgb(16, 16, 19);
const RgbF kBlackDiffuse = fromRgb(34, 34, 38);
const RgbF kBlackGlint = fromRgb(92, 92, 98);
constexpr double kBlackGlintSharpness = 40.0;
const RgbF kBlackRim = fromRgb(8, 8, 10);

// White shell: warm off-white, shaded towards grey on the far side.
const RgbF kWhiteLit = fromRgb(250, 249, 244);
const RgbF kWhiteShadow = fromRgb(190, 188, 180);
const RgbF kWhiteGlint = fromRgb(10, 10, 12);
constexpr double kWhiteGlintSharpness = 10.0;
const RgbF kWhiteRim = fromRgb(150, 148, 140);

// The outer band where the rim darkening fades in, in radii.
constexpr double kRimStart = 0.78;
constexpr double kRimStrengthBlack = 0.6;
constexpr double kRimStrengthWhite = 0.55;

const RgbF kMarkOnBlack = fromRgb(236, 236, 236);
const RgbF kMarkOnWhite = fromRgb(20, 20, 20);

} // namespace

StoneShader::StoneShader(StoneColour colour) : m_colour(colour) {}

RgbF StoneShader::shade(double u, double v) const
{
    const Vec3 n = surfaceNormal(u, v);
    const double diffuse = std::max(0.0, dot(n, kLight));
    const double rim = smoothstep(kRimStart, 1.0, std::sqrt(u * u + v * v));
    const double specBase = std::max(0.0, dot(n, kHalfway));

    if (m_colour == StoneColour::Black) {
        const double glint = std::pow(specBase, kBlackGlintSharpness);
        const RgbF lit = kBlackBase + kBlackDiffuse * diffuse + kBlackGlint * glint;
        return mix(lit, kBlackRim, rim * kRimStrengthBlack);
    }
    const double glint = std::pow(specBase, kWhiteGlintSharpness);
    const RgbF lit = mix(kWhiteShadow, kWhiteLit, diffuse) + kWhiteGlint * glint;
    return mix(lit, kWhiteRim, rim * kRimStrengthWhite);
}

RgbF StoneShader::markColour() const { return m_colour == StoneColour::Black ? kMarkOnBlack : kMarkOnWhite; }

} // namespace resgen

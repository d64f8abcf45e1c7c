#pragma once

// Smooth value noise on a lattice that wraps around, so that a texture built
// from it repeats without a seam. Seeded, hence identical on every run.

#include <cstdint>

namespace resgen {

class PeriodicNoise {
public:
    // periodX, periodY: lattice cells before the pattern repeats (>= 1).
    PeriodicNoise(std::uint32_t seed, int periodX, int periodY);

    // Noise in [0, 1] at a point given in lattice units.
    double at(double x, double y) const;

    // Sum of octaves, each at twice the frequency and half the weight of the
    // previous; still periodic because the period in lattice units stays whole.
    double fractal(double x, double y, int octaves) const;

private:
    double lattice(int ix, int iy, int periodX, int periodY, std::uint32_t salt) const;
    double atScaled(double x, double y, int periodX, int periodY, std::uint32_t salt) const;

    std::uint32_t m_seed;
    int m_periodX;
    int m_periodY;
};

} // namespace resgen

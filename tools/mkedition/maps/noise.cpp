#include "tools/mkedition/maps/noise.h"

#include <cmath>

namespace {

uint32_t hash(uint32_t a, uint32_t b, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u ^ a * 0x85EBCA77u ^ b * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// One of sixteen evenly spread unit gradients at a lattice point, dotted with the offset.
double gradient(int64_t ix, int64_t iy, uint32_t seed, double dx, double dy) {
    static const double kDirections[16][2] = {
        {1.0, 0.0},  {0.92388, 0.38268},   {0.70711, 0.70711},   {0.38268, 0.92388},
        {0.0, 1.0},  {-0.38268, 0.92388},  {-0.70711, 0.70711},  {-0.92388, 0.38268},
        {-1.0, 0.0}, {-0.92388, -0.38268}, {-0.70711, -0.70711}, {-0.38268, -0.92388},
        {0.0, -1.0}, {0.38268, -0.92388},  {0.70711, -0.70711},  {0.92388, -0.38268}};
    const double* g =
        kDirections[hash(static_cast<uint32_t>(ix), static_cast<uint32_t>(iy), seed) >> 28];
    return g[0] * dx + g[1] * dy;
}

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

double Noise1(double t, uint32_t seed) { return Noise2(t, 0.37, seed); }

double Noise2(double x, double y, uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<int64_t>(fx);
    const auto iy = static_cast<int64_t>(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const double u = fade(dx);
    const double v = fade(dy);
    const double n00 = gradient(ix, iy, seed, dx, dy);
    const double n10 = gradient(ix + 1, iy, seed, dx - 1, dy);
    const double n01 = gradient(ix, iy + 1, seed, dx, dy - 1);
    const double n11 = gradient(ix + 1, iy + 1, seed, dx - 1, dy - 1);
    const double top = n00 + u * (n10 - n00);
    const double bottom = n01 + u * (n11 - n01);
    return (top + v * (bottom - top)) * 1.4;
}

double FractalNoise2(double x, double y, uint32_t seed, int octaves) {
    double sum = 0;
    double amplitude = 0.5;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * Noise2(x, y, seed + static_cast<uint32_t>(o) * 7919u);
        // Rotating each octave a little keeps the lattice from showing.
        const double rx = x * 1.6 - y * 1.2;
        y = x * 1.2 + y * 1.6;
        x = rx;
        amplitude *= 0.5;
    }
    return sum * 2;
}

double RidgedNoise2(double x, double y, uint32_t seed, int octaves) {
    double sum = 0;
    double total = 0;
    double amplitude = 1;
    for (int o = 0; o < octaves; ++o) {
        const double crest = 1 - std::fabs(Noise2(x, y, seed + static_cast<uint32_t>(o) * 104729u));
        sum += amplitude * crest * crest;
        total += amplitude;
        const double rx = x * 1.6 - y * 1.2;
        y = x * 1.2 + y * 1.6;
        x = rx;
        amplitude *= 0.5;
    }
    return sum / total;
}

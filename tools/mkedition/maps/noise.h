// Deterministic gradient noise: the same coordinates and seed give the same value on every
// machine and every run, so the maps build to the same bytes.
#pragma once

#include <cstdint>

// Smooth noise, roughly in [-1, 1], with features about one unit across.
double Noise1(double t, uint32_t seed);
double Noise2(double x, double y, uint32_t seed);

// Octaves of Noise2, each about twice the frequency and half the amplitude of the one before;
// roughly in [-1, 1].
double FractalNoise2(double x, double y, uint32_t seed, int octaves);

// Ridged octaves: sharp crests and rounded valleys, as weathered hills have; in [0, 1].
double RidgedNoise2(double x, double y, uint32_t seed, int octaves);

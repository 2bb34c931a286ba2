// The name the photograph target's keystream is seeded from, so that the seed maker can
// scramble photographs for it.
#pragma once

constexpr char kFuzzPhotographSeed[] = "P0FUZZ.JPG";

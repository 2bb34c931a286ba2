// The scene painter's only source of chance: a small PCG generator, so that a seed gives the
// same picture on every run and every machine (no library distributions, no clock).
#pragma once

#include <cstddef>
#include <cstdint>

class SceneRandom {
  public:
    explicit SceneRandom(uint64_t seed) : state_(0), increment_((seed << 1u) | 1u) {
        Next();
        state_ += seed ^ 0x853c49e6748fea9bULL;
        Next();
    }

    uint32_t Next() {
        const uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + increment_;
        const auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rotation = static_cast<uint32_t>(old >> 59u);
        return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
    }

    // In [0, 1), from 24 bits so the value is exact on every platform.
    double Unit() { return static_cast<double>(Next() >> 8) * (1.0 / 16777216.0); }
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    // In [low, high].
    int Int(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<uint32_t>(high - low + 1));
    }
    bool Chance(double probability) { return Unit() < probability; }
    // A symmetric wobble around zero.
    double Jitter(double amount) { return Range(-amount, amount); }
    template <typename T, size_t N>
    const T& Pick(const T (&items)[N]) {
        return items[Next() % N];
    }

    // An independent stream: a part of the picture that draws more or fewer numbers does not
    // shift the choices of the parts after it.
    SceneRandom Fork(uint32_t salt) { return SceneRandom((uint64_t(Next()) << 32) ^ salt); }
    // The same with a salt from a position: truncated, then wrapped into 32 bits (a negative
    // double does not convert to an unsigned type directly).
    SceneRandom ForkAt(double position) {
        return Fork(static_cast<uint32_t>(static_cast<int64_t>(position)));
    }

  private:
    uint64_t state_;
    uint64_t increment_;
};

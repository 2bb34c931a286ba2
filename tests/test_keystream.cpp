// The keystream and the two run-length scramblers, checked against a byte-at-a-time model
// written straight from their definition.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "content/keyruns.h"
#include "content/keystream.h"

namespace {

uint32_t stepBitByBit(uint32_t r, int count) {
    for (int i = 0; i < count; ++i)
        r = (r & 0x80000000u) ? ((r ^ kKeystreamFeedback) * 2u + 1u) : r * 2u;
    return r;
}

int8_t modelDraw(uint32_t& r) {
    r = stepBitByBit(r, 9);
    return static_cast<int8_t>(r >> 24);
}

// Photographs, one byte at a time: xor with K; at N == 1 draw K and N = 2 * draw, else N - 1.
std::vector<uint8_t> modelPhoto(uint32_t r, std::vector<uint8_t> bytes) {
    auto key = static_cast<uint8_t>(modelDraw(r));
    int n = 2 * modelDraw(r);
    for (uint8_t& b : bytes) {
        b ^= key;
        if (n == 1) {
            key = static_cast<uint8_t>(modelDraw(r));
            n = 2 * modelDraw(r);
        } else {
            --n;
        }
    }
    return bytes;
}

// Bitmap rows, one byte at a time: xor with K, N - 1, at 0 step 8, K, step 8, N.
std::vector<uint8_t> modelBitmap(uint32_t r, std::vector<uint8_t> bytes) {
    auto key = static_cast<uint8_t>(r >> 24);
    r = stepBitByBit(r, 8);
    int n = static_cast<int>(r >> 16);
    for (uint8_t& b : bytes) {
        b ^= key;
        if (--n == 0) {
            r = stepBitByBit(r, 8);
            key = static_cast<uint8_t>(r >> 24);
            r = stepBitByBit(r, 8);
            n = static_cast<int>(r >> 16);
        }
    }
    return bytes;
}

std::vector<uint8_t> randomBytes(std::mt19937& random, size_t count) {
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
}

// Applies in random pieces: where the data is cut must not matter.
std::vector<uint8_t> applyInPieces(KeyRunScrambler scrambler, std::vector<uint8_t> bytes,
                                   std::mt19937& random) {
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t piece = std::min<size_t>(bytes.size() - at, random() % 700);
        scrambler.apply(bytes.data() + at, piece);
        at += piece;
    }
    return bytes;
}

TEST(Keystream, TableStepsMatchSingleSteps) {
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const uint32_t state = random();
        const int count = i % 41;
        Keystream keystream(state);
        keystream.step(count);
        ASSERT_EQ(keystream.state(), stepBitByBit(state, count)) << state << " " << count;
    }
}

TEST(Keystream, SeedTakesFourCharactersBigEndianPaddedWithZero) {
    EXPECT_EQ(Keystream::seededFrom("P012.JPG").state(), stepBitByBit(0x50303132u, 16));
    EXPECT_EQ(Keystream::seededFrom("AB").state(), stepBitByBit(0x41420000u, 16));
    EXPECT_EQ(Keystream::seededFrom("").state(), 0u);
    EXPECT_NE(Keystream::seededFrom("P012").state(), Keystream::seededFrom("P013").state());
}

TEST(Keystream, DrawIsTopByteAfterNineSteps) {
    Keystream keystream(0x9E3779B9u);
    uint32_t model = 0x9E3779B9u;
    for (int i = 0; i < 100; ++i) ASSERT_EQ(keystream.draw(), modelDraw(model));
}

// Every first run length 2 * D, D from -128 to 127: zero and below included.
TEST(PhotographScrambling, MatchesModelForEveryRunLengthAndRoundTrips) {
    std::mt19937 random(11);
    std::set<int> firstDraws;
    for (int tries = 0; firstDraws.size() < 256 && tries < 200000; ++tries) {
        const uint32_t state = random();
        uint32_t r = state;
        modelDraw(r);
        if (!firstDraws.insert(modelDraw(r)).second) continue;
        const std::vector<uint8_t> plain = randomBytes(random, 1500);
        const std::vector<uint8_t> scrambled =
            applyInPieces(KeyRunScrambler::forPhotograph(Keystream(state)), plain, random);
        ASSERT_EQ(scrambled, modelPhoto(state, plain)) << "state " << state;
        ASSERT_EQ(
            applyInPieces(KeyRunScrambler::forPhotograph(Keystream(state)), scrambled, random),
            plain);
    }
    EXPECT_EQ(firstDraws.size(), 256u);
}

TEST(PhotographScrambling, RunThatStartsAtZeroOrBelowKeepsItsKey) {
    std::mt19937 random(3);
    for (int found = 0; found < 2;) {
        const uint32_t state = random();
        uint32_t r = state;
        const auto key = static_cast<uint8_t>(modelDraw(r));
        if (modelDraw(r) > 0) continue;
        std::vector<uint8_t> zeros(100000, 0);
        KeyRunScrambler::forPhotograph(Keystream(state)).apply(zeros.data(), zeros.size());
        ASSERT_EQ(zeros, std::vector<uint8_t>(100000, key));
        ++found;
    }
}

TEST(BitmapScrambling, MatchesModelAndRoundTrips) {
    std::mt19937 random(5);
    for (int i = 0; i < 50; ++i) {
        const uint32_t state = random();
        const std::vector<uint8_t> plain = randomBytes(random, 200000);  // several runs
        const std::vector<uint8_t> scrambled =
            applyInPieces(KeyRunScrambler::forBitmap(Keystream(state)), plain, random);
        ASSERT_EQ(scrambled, modelBitmap(state, plain)) << "state " << state;
        ASSERT_EQ(applyInPieces(KeyRunScrambler::forBitmap(Keystream(state)), scrambled, random),
                  plain);
    }
}

TEST(BitmapScrambling, RunCounterStartingAtZeroNeverRunsOut) {
    std::mt19937 random(9);
    uint32_t state = 0;
    for (int tries = 0; tries < 20000000; ++tries) {
        state = random();
        if ((stepBitByBit(state, 8) >> 16) == 0) break;
    }
    ASSERT_EQ(stepBitByBit(state, 8) >> 16, 0u) << "no state with a zero first run found";
    const std::vector<uint8_t> plain = randomBytes(random, 150000);
    EXPECT_EQ(applyInPieces(KeyRunScrambler::forBitmap(Keystream(state)), plain, random),
              modelBitmap(state, plain));
}

}  // namespace

#include "content/keystream.h"

#include <array>

namespace {

constexpr uint32_t singleStep(uint32_t r) {
    return (r & 0x80000000u) ? ((r ^ kKeystreamFeedback) << 1) | 1u : r << 1;
}

// A step is linear over xor, and the low 24 bits feed no feedback for 8 steps, so 8 steps are
// R << 8 xor the 8-step image of the top byte alone.
constexpr std::array<uint32_t, 256> eightStepTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t top = 0; top < 256; ++top) {
        uint32_t r = top << 24;
        for (int i = 0; i < 8; ++i) r = singleStep(r);
        table[top] = r;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kEightSteps = eightStepTable();

}  // namespace

Keystream Keystream::seededFrom(const std::string& name) {
    uint32_t r = 0;
    for (size_t i = 0; i < 4; ++i) {
        const uint32_t c = i < name.size() ? static_cast<uint8_t>(name[i]) : 0u;
        r |= c << (24 - 8 * i);
    }
    Keystream keystream(r);
    keystream.step(16);
    return keystream;
}

void Keystream::step(int count) {
    for (; count >= 8; count -= 8) state_ = (state_ << 8) ^ kEightSteps[state_ >> 24];
    for (; count > 0; --count) state_ = singleStep(state_);
}

int8_t Keystream::draw() {
    step(9);
    return static_cast<int8_t>(topByte());
}

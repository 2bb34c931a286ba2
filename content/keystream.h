// The keystream that scrambles photographs, map tiles and mini maps: a 32-bit register stepped
// with a fixed feedback constant. mkedition scrambles with the same generator.
#pragma once

#include <cstdint>
#include <string>

// F: shared by the program and mkedition; changing it makes every built edition unreadable.
constexpr uint32_t kKeystreamFeedback = 0x6B3A91E5u;

class Keystream {
  public:
    explicit Keystream(uint32_t state = 0) : state_(state) {}

    // The first four characters of the name as a big-endian number (missing ones count as 0),
    // then 16 steps.
    static Keystream seededFrom(const std::string& name);

    // One step: top bit set -> R = (R xor F) * 2 + 1, else R = R * 2 (modulo 2^32).
    void step(int count);
    // 9 steps, then the top 8 bits of the register as a signed byte.
    int8_t draw();

    uint8_t topByte() const { return static_cast<uint8_t>(state_ >> 24); }
    uint16_t topHalf() const { return static_cast<uint16_t>(state_ >> 16); }
    uint32_t state() const { return state_; }

  private:
    uint32_t state_;
};

#include "content/keyruns.h"

#include <algorithm>

namespace {

void xorWith(uint8_t* bytes, size_t count, uint8_t key) {
    for (size_t i = 0; i < count; ++i) bytes[i] ^= key;
}

}  // namespace

KeyRunScrambler KeyRunScrambler::forPhotograph(const Keystream& seeded) {
    return KeyRunScrambler(Kind::Photograph, seeded);
}

KeyRunScrambler KeyRunScrambler::forBitmap(const Keystream& seeded) {
    return KeyRunScrambler(Kind::Bitmap, seeded);
}

KeyRunScrambler::KeyRunScrambler(Kind kind, const Keystream& seeded)
    : kind_(kind), keystream_(seeded) {
    if (kind_ == Kind::Photograph)
        nextRun();
    else
        takeBitmapRun();
}

void KeyRunScrambler::takeBitmapRun() {
    key_ = keystream_.topByte();
    keystream_.step(8);
    remaining_ = keystream_.topHalf();
}

void KeyRunScrambler::nextRun() {
    if (kind_ == Kind::Photograph) {
        key_ = static_cast<uint8_t>(keystream_.draw());
        remaining_ = 2 * static_cast<int64_t>(keystream_.draw());
    } else {
        keystream_.step(8);
        takeBitmapRun();
    }
}

// Whole runs at a time: the key changes rarely, and a plain xor loop vectorises.
void KeyRunScrambler::apply(uint8_t* bytes, size_t count) {
    while (count > 0) {
        if (remaining_ <= 0) {
            xorWith(bytes, count, key_);
            return;
        }
        const auto chunk =
            static_cast<size_t>(std::min<int64_t>(remaining_, static_cast<int64_t>(count)));
        xorWith(bytes, chunk, key_);
        bytes += chunk;
        count -= chunk;
        remaining_ -= static_cast<int64_t>(chunk);
        if (remaining_ == 0) nextRun();
    }
}

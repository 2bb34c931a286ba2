#include "content/keyruns.h"

#include <algorithm>

namespace {

void xorWith(uint8_t* bytes, size_t count, uint8_t key) {
    for (size_t i = 0; i < count; ++i) bytes[i] ^= key;
}

// Whole runs at a time: the key changes rarely, and a plain xor loop vectorises.
template <typename NextRun>
void applyRuns(uint8_t* bytes, size_t count, KeyRun& run, NextRun nextRun) {
    while (count > 0) {
        if (run.remaining <= 0) {
            xorWith(bytes, count, run.key);
            return;
        }
        const size_t chunk = static_cast<size_t>(std::min<int64_t>(run.remaining, static_cast<int64_t>(count)));
        xorWith(bytes, chunk, run.key);
        bytes += chunk;
        count -= chunk;
        run.remaining -= static_cast<int64_t>(chunk);
        if (run.remaining == 0) nextRun();
    }
}

}  // namespace

PhotoScrambler::PhotoScrambler(const Keystream& seeded) : keystream_(seeded) { nextRun(); }

void PhotoScrambler::nextRun() {
    run_.key = static_cast<uint8_t>(keystream_.draw());
    run_.remaining = 2 * static_cast<int64_t>(keystream_.draw());
}

void PhotoScrambler::apply(uint8_t* bytes, size_t count) {
    applyRuns(bytes, count, run_, [this] { nextRun(); });
}

BitmapScrambler::BitmapScrambler(const Keystream& seeded) : keystream_(seeded) {
    run_.key = keystream_.topByte();
    keystream_.step(8);
    run_.remaining = keystream_.topHalf();
}

void BitmapScrambler::nextRun() {
    keystream_.step(8);
    run_.key = keystream_.topByte();
    keystream_.step(8);
    run_.remaining = keystream_.topHalf();
}

void BitmapScrambler::apply(uint8_t* bytes, size_t count) {
    applyRuns(bytes, count, run_, [this] { nextRun(); });
}

// The two ways the keystream scrambles bytes: runs of one key byte, a new key and run length
// drawn when a run ends. XOR makes each its own inverse, so mkedition scrambles with them too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "content/keystream.h"

// A run that starts at zero or below never ends: its key holds to the end of the data.
struct KeyRun {
    uint8_t key = 0;
    int64_t remaining = 0;
};

// Photographs: K is a draw, the run length twice the next draw.
class PhotoScrambler {
public:
    explicit PhotoScrambler(const Keystream& seeded);
    void apply(uint8_t* bytes, size_t count);

private:
    void nextRun();

    Keystream keystream_;
    KeyRun run_;
};

// Bitmap pixel rows: K is the register's top byte, the run length its top half 8 steps later.
class BitmapScrambler {
public:
    explicit BitmapScrambler(const Keystream& seeded);
    void apply(uint8_t* bytes, size_t count);

private:
    void nextRun();

    Keystream keystream_;
    KeyRun run_;
};

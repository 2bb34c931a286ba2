// The two ways the keystream scrambles bytes: runs of one key byte, a new key and run length
// drawn when a run ends. XOR makes each its own inverse, so mkedition scrambles with them too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "content/keystream.h"

class KeyRunScrambler {
  public:
    // Photographs: K is a draw, the run length twice the next draw.
    static KeyRunScrambler forPhotograph(const Keystream& seeded);
    // Bitmap pixel rows: K is the register's top byte, the run length its top half 8 steps
    // later; when a run ends, 8 steps come first.
    static KeyRunScrambler forBitmap(const Keystream& seeded);

    void apply(uint8_t* bytes, size_t count);

  private:
    enum class Kind { Photograph, Bitmap };

    KeyRunScrambler(Kind kind, const Keystream& seeded);
    void nextRun();
    void takeBitmapRun();

    Kind kind_;
    Keystream keystream_;
    uint8_t key_ = 0;
    // A run that starts at zero or below never ends: its key holds to the end of the data.
    int64_t remaining_ = 0;
};

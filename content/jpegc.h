// Decoding a scrambled photograph straight into a bitmap's rows.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>

class Keystream;

// LoadStatus values.
enum PictureLoadStatus : int {
    kPictureLoaded = 0,
    kPictureNotOpened = 1,
    kPictureHeaderFailed = 2,  // also: not the size the view announces
    kPictureScanLineFailed = 3,
    kPictureFinishFailed = 4,
};

// Rows of 3-byte pixels in red, green, blue byte order.
struct PixelRows {
    uint8_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
};

// Decodes the photograph in file, unscrambling it with the keystream, into target, which must
// be exactly its size. Returns its load status. Once cancel is set the decode stops early and
// its status means nothing.
int DecodeScrambledPhotograph(std::FILE* file, const Keystream& seeded, const PixelRows& target,
                              const std::atomic<bool>& cancel);

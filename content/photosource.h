// The data source libjpeg reads a scrambled photograph through: the file is read in 4096-byte
// blocks, several at a time, and unscrambled before the decoder sees it.
#pragma once

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on

#include "content/keyruns.h"

constexpr size_t kPhotoBlockSize = 4096;
// The decoder's fast Huffman path wants a few kilobytes ahead, so blocks go in by sixteen.
constexpr size_t kPhotoBlocksPerRead = 16;

struct PhotoSource {
    PhotoSource(std::FILE* photoFile, const Keystream& seeded)
        : file(photoFile), scrambler(KeyRunScrambler::forPhotograph(seeded)) {}

    jpeg_source_mgr manager{};
    std::FILE* file;
    KeyRunScrambler scrambler;
    bool anyBytesRead = false;
    JOCTET buffer[kPhotoBlockSize * kPhotoBlocksPerRead];
};

// Makes the decoder read through source. At the end of a file that is not empty the source
// warns of the premature end and supplies an end-of-image marker; an empty file is the
// decoder's empty-input error, a read error its file-read error.
void UsePhotoSource(j_decompress_ptr info, PhotoSource& source);

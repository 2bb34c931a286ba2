// Plain (unscrambled) JPEG in memory: encoding for made photographs and decoding to check a
// photograph before it goes into an edition.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

// Baseline JPEG with no metadata, so the same pixels always give the same bytes; empty when
// the image is null or libjpeg fails.
std::vector<uint8_t> EncodeJpeg(const QImage& image, int quality = 85);

// Decodes into `into` as Format_RGB888, reusing its memory when the size already fits.
// False when the bytes are not a JPEG image libjpeg can decode without error.
bool DecodeJpeg(const std::vector<uint8_t>& jpeg, QImage& into);

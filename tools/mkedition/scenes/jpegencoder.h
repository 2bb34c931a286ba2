// Photographs as JPEG files: baseline, 4:2:0, no metadata, so that the same pixels always
// give the same bytes.
#pragma once

#include <cstdint>
#include <vector>

class QImage;

// Empty when the encoder fails.
std::vector<uint8_t> EncodeJpeg(const QImage& image, int quality = 85);

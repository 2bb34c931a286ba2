// Scrambled bitmap files (map tiles, mini maps): 8-bit palettised BMP with the pixel rows
// scrambled and the headers and palette plain.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

// The file bytes of a Format_Indexed8 image scrambled with the seed name; empty for any other
// format.
std::vector<uint8_t> WriteScrambledBitmap(const QImage& image, const std::string& seedName);

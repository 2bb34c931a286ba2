// Map tiles and mini maps: 8-bit palettised bitmaps whose pixel rows are stored scrambled
// (file header and palette plain).
#pragma once

#include <QImage>
#include <string>

// Scrambles or unscrambles (the same operation) the first width bytes of every row, top row
// first, with the keystream seeded from seedName. Only for 8-bit images.
void ScrambleBitmapPixels(QImage& image, const std::string& seedName);

// Loads a scrambled 8-bit palettised bitmap file and unscrambles it. A null image when the
// file cannot be read or holds any other kind of image.
QImage LoadScrambledBitmap(const std::string& path, const std::string& seedName);

#include "content/bitmapscramble.h"

#include <QFile>

#include "content/keyruns.h"

void ScrambleBitmapPixels(QImage& image, const std::string& seedName) {
    if (image.depth() != 8) return;
    BitmapScrambler scrambler(Keystream::seededFrom(seedName));
    const auto width = static_cast<size_t>(image.width());
    for (int y = 0; y < image.height(); ++y) scrambler.apply(image.scanLine(y), width);
}

QImage LoadScrambledBitmap(const std::string& path, const std::string& seedName) {
    QImage image;
    // Anything but 8 bits per pixel would make "width bytes" run past the rows.
    if (!image.load(QFile::decodeName(path.c_str()), "BMP") ||
        image.format() != QImage::Format_Indexed8)
        return QImage();
    ScrambleBitmapPixels(image, seedName);
    return image;
}

#include "tests/support/minimaps.h"

#include <QImage>

#include "content/minimapseeds.h"
#include "tests/support/editions.h"
#include "tools/mkedition/bitmapwriter.h"

namespace {

std::vector<uint8_t> plainBitmap(QSize size, QRgb colour, const char* seed) {
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable({colour});
    image.fill(0);
    return WriteScrambledBitmap(image, seed);
}

}  // namespace

void WriteMiniMaps(const DataDirectory& dir) {
    dir.write(kSmallMiniMapFile,
              plainBitmap(QSize(384, 600), kSmallMiniMapColour, kSmallMiniMapSeed));
    dir.write(kLargeMiniMapFile,
              plainBitmap(QSize(768, 1200), kLargeMiniMapColour, kLargeMiniMapSeed));
}

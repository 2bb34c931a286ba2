#include "tools/mkedition/bitmapwriter.h"

#include "content/bitmapscramble.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

std::vector<uint8_t> WriteScrambledBitmap(const QImage& image, const std::string& seedName) {
    if (image.format() != QImage::Format_Indexed8 || image.isNull()) return {};
    QImage scrambled = image.copy();
    ScrambleBitmapPixels(scrambled, seedName);

    const auto width = static_cast<uint32_t>(image.width());
    const auto height = static_cast<uint32_t>(image.height());
    const QVector<QRgb> palette = image.colorTable();
    const auto colours = static_cast<uint32_t>(palette.size());
    const uint32_t rowBytes = (width + 3) & ~3u;  // rows pad to four bytes
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * colours;

    std::vector<uint8_t> out;
    out.reserve(pixelOffset + rowBytes * height);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + rowBytes * height);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, kInfoHeaderSize);
    put32(out, width);
    put32(out, height);  // positive: rows stored bottom-up
    put16(out, 1);       // planes
    put16(out, 8);       // bits per pixel
    put32(out, 0);       // no compression
    put32(out, rowBytes * height);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
    for (QRgb colour : palette) {
        out.push_back(static_cast<uint8_t>(qBlue(colour)));
        out.push_back(static_cast<uint8_t>(qGreen(colour)));
        out.push_back(static_cast<uint8_t>(qRed(colour)));
        out.push_back(0);
    }
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        const uchar* row = scrambled.constScanLine(y);
        out.insert(out.end(), row, row + width);
        out.insert(out.end(), rowBytes - width, 0);
    }
    return out;
}

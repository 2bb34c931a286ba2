// Picture loading speed: one 768 x 512 photograph decoded many times (a) plain from memory
// with libjpeg and (b) through the picture worker's scrambled-file path, and the load of all
// 114 map tiles. The last line is the ratio b / a.
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "content/bitmapscramble.h"
#include "content/pictures.h"
#include "content/zmopenthread.h"
#include "tests/support/photographs.h"
#include "tools/mkedition/bitmapwriter.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/outputfiles.h"
#include "tools/mkedition/photographs.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDecodeRounds = 400;
constexpr int kTileRounds = 30;
constexpr int kTileColumns = 6;
constexpr int kTileRows = 19;

template <typename Work>
double milliseconds(Work work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QImage mapTile(int column, int row) {
    QImage tile(512, 256, QImage::Format_Indexed8);
    QVector<QRgb> palette;
    for (int i = 0; i < 256; ++i) palette.push_back(qRgb(i, (i * 3) % 256, 255 - i));
    tile.setColorTable(palette);
    for (int y = 0; y < 256; ++y) {
        uchar* line = tile.scanLine(y);
        for (int x = 0; x < 512; ++x) line[x] = static_cast<uchar>((x / 16 + y / 16 + column * 7 + row) % 24);
    }
    return tile;
}

std::string tileName(int column, int row) {
    char name[16];
    std::snprintf(name, sizeof name, "%1.1d%2.2d.bmp", column, row);
    return name;
}

}  // namespace

int main() {
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString() + "/";

    const std::vector<uint8_t> jpeg =
        EncodeJpeg(SyntheticPhotograph(kLandscapeWidth, kLandscapeHeight, 1), 85);
    const std::string bareName = "P012.JPG";
    if (!WriteIfChanged(root + bareName, ScramblePhotograph(jpeg, bareName))) return 1;

    QImage plain;
    QImage bitmap(kLandscapeWidth, kLandscapeHeight, QImage::Format_RGB888);
    const PictureJob job{root + bareName, Keystream::seededFrom(bareName),
                         PixelRows{bitmap.bits(), bitmap.bytesPerLine(), bitmap.width(),
                                   bitmap.height()}};
    const std::atomic<bool> cancel{false};
    std::vector<double> plainTimes, storeTimes;
    // Alternating, so that both see the same machine load.
    for (int i = 0; i < kDecodeRounds; ++i) {
        plainTimes.push_back(milliseconds([&] { DecodeJpeg(jpeg, plain); }));
        storeTimes.push_back(milliseconds([&] { LoadPictureFile(job, cancel); }));
    }
    if (plain != bitmap) {
        std::fprintf(stderr, "the two decodes differ\n");
        return 1;
    }

    QDir().mkpath(QString::fromStdString(root + "000"));
    for (int c = 0; c < kTileColumns; ++c) {
        for (int r = 0; r < kTileRows; ++r) {
            const std::string name = tileName(c, r);
            if (!WriteIfChanged(root + "000/" + name, WriteScrambledBitmap(mapTile(c, r), name)))
                return 1;
        }
    }
    std::vector<double> tileTimes;
    int loaded = 0;
    for (int round = 0; round < kTileRounds; ++round) {
        tileTimes.push_back(milliseconds([&] {
            for (int c = 0; c < kTileColumns; ++c) {
                for (int r = 0; r < kTileRows; ++r) {
                    const std::string name = tileName(c, r);
                    loaded += !LoadScrambledBitmap(root + "000/" + name, name).isNull();
                }
            }
        }));
    }
    if (loaded != kTileRounds * kTileColumns * kTileRows) return 1;

    const double a = median(plainTimes);
    const double b = median(storeTimes);
    std::printf("photograph: 768 x 512, %zu bytes of JPEG, %d decodes each\n", jpeg.size(),
                kDecodeRounds);
    std::printf("(a) plain JPEG from memory, libjpeg directly: median %.3f ms\n", a);
    std::printf("(b) scrambled file through the picture worker's path: median %.3f ms\n", b);
    std::printf("map tiles: load and unscramble all 114 (512 x 256, 8-bit): median %.2f ms\n",
                median(tileTimes));
    std::printf("ratio %.2f\n", b / a);
    return 0;
}

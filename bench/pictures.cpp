// Picture loading speed: one 768 x 512 photograph decoded many times (a) plain from memory
// with libjpeg and (b) through the picture worker's scrambled-file path, and the load of all
// 114 map tiles. The last line is the ratio b / a.
#include "content/pictures.h"

#include <QTemporaryDir>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "content/bitmapscramble.h"
#include "content/maptilefiles.h"
#include "content/picturepaths.h"
#include "content/zmopenthread.h"
#include "tests/support/maptiles.h"
#include "tests/support/photographs.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/outputfiles.h"
#include "tools/mkedition/photographs.h"

namespace {

constexpr int kDecodeRounds = 400;
constexpr int kTileRounds = 30;

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
    const PictureJob job{
        root + bareName, Keystream::seededFrom(bareName),
        PixelRows{bitmap.bits(), bitmap.bytesPerLine(), bitmap.width(), bitmap.height()}};
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

    if (!WriteMapTiles(root, {})) return 1;
    std::vector<double> tileTimes;
    int loaded = 0;
    for (int round = 0; round < kTileRounds; ++round) {
        tileTimes.push_back(milliseconds([&] {
            for (int c = 0; c < kMapTileColumns; ++c) {
                for (int r = 0; r < kMapTileRows; ++r) {
                    loaded += !LoadScrambledBitmap(NativePicturePath(root, MapTileFileName(c, r)),
                                                   MapTileSeed(c, r))
                                   .isNull();
                }
            }
        }));
    }
    if (loaded != kTileRounds * kMapTileColumns * kMapTileRows) return 1;

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

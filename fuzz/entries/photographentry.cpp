#include <vector>

#include "content/pictures.h"
#include "content/zmopenthread.h"
#include "fuzz/entries/fuzzentries.h"
#include "fuzz/entries/photographseed.h"
#include "fuzz/entries/scratchfiles.h"

bool FuzzPhotograph(const uint8_t* data, size_t size) {
    if (size == 0) return true;
    const bool portrait = (data[0] & 1) != 0;
    PictureJob job;
    job.PicturePath =
        WriteScratchFile(std::string("photograph/") + kFuzzPhotographSeed, data + 1, size - 1);
    job.Seeded = Keystream::seededFrom(kFuzzPhotographSeed);
    // Rows exactly as long as the pixels need (as the store's bitmaps are), so that the
    // address sanitizer sees any write past the last one.
    const int width = portrait ? kPortraitWidth : kLandscapeWidth;
    const int height = portrait ? kPortraitHeight : kLandscapeHeight;
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * 3 * static_cast<size_t>(height));
    job.TargetBitmap = PixelRows{pixels.data(), width * 3, width, height};
    const std::atomic<bool> cancel{false};
    const int status = LoadPictureFile(job, cancel);
    return status >= kPictureLoaded && status <= kPictureFinishFailed &&
           status != kPictureNotOpened;
}

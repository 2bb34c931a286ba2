#include "content/jpegc.h"

#include <jerror.h>

#include "content/jpegerrors.h"
#include "content/photosource.h"

namespace {

// More scans than any sane progressive file has; a hostile file with thousands of tiny scans
// would otherwise keep the worker busy for seconds.
constexpr int kMaxScans = 1000;

struct DecodeProgress {
    jpeg_progress_mgr manager{};
    const std::atomic<bool>* cancel = nullptr;
};

void checkProgress(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    const auto* progress = reinterpret_cast<const DecodeProgress*>(common->progress);
    if (info->input_scan_number > kMaxScans) ERREXIT(common, JERR_BAD_PROGRESSION);
    // A progressive file is read whole inside jpeg_start_decompress; let a cancel cut it short.
    if (progress->cancel->load(std::memory_order_relaxed)) ERREXIT(common, JERR_BAD_PROGRESSION);
}

struct Decode {
    jpeg_decompress_struct info{};
    JpegErrorTrap trap;
    DecodeProgress progress;
    int failure = kPictureHeaderFailed;  // what an error in the current stage means
};

bool matchesTarget(const jpeg_decompress_struct& info, const PixelRows& target) {
    return static_cast<int>(info.output_width) == target.width &&
           static_cast<int>(info.output_height) == target.height && info.output_components == 3;
}

// Holds no C++ object that needs destroying: an error longjmps back to its setjmp.
int runDecode(Decode& d, PhotoSource& source, const PixelRows& target,
              const std::atomic<bool>& cancel) {
    d.info.err = InitJpegErrorTrap(d.trap);
    if (setjmp(d.trap.jump)) {
        jpeg_destroy_decompress(&d.info);
        return d.failure;
    }
    jpeg_create_decompress(&d.info);
    d.progress.manager.progress_monitor = checkProgress;
    d.progress.cancel = &cancel;
    d.info.progress = &d.progress.manager;
    UsePhotoSource(&d.info, source);
    jpeg_read_header(&d.info, TRUE);
    // A file of another size must never write beyond the rows: refused like a bad header.
    if (static_cast<int>(d.info.image_width) != target.width ||
        static_cast<int>(d.info.image_height) != target.height) {
        jpeg_destroy_decompress(&d.info);
        return kPictureHeaderFailed;
    }
    d.info.out_color_space = JCS_EXT_RGB;  // the bitmap's byte order: no swap afterwards
    jpeg_start_decompress(&d.info);
    if (!matchesTarget(d.info, target)) {
        jpeg_destroy_decompress(&d.info);
        return kPictureHeaderFailed;
    }
    d.failure = kPictureScanLineFailed;
    while (d.info.output_scanline < d.info.output_height) {
        if (cancel.load(std::memory_order_relaxed)) {
            jpeg_destroy_decompress(&d.info);
            return kPictureLoaded;
        }
        JSAMPROW row =
            target.top + static_cast<std::ptrdiff_t>(d.info.output_scanline) * target.stride;
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1) {
            jpeg_destroy_decompress(&d.info);
            return kPictureScanLineFailed;
        }
    }
    d.failure = kPictureFinishFailed;
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return kPictureLoaded;
}

}  // namespace

int DecodeScrambledPhotograph(std::FILE* file, const Keystream& seeded, const PixelRows& target,
                              const std::atomic<bool>& cancel) {
    // Kept out of runDecode's frame: locals of the function that calls setjmp and change
    // afterwards are indeterminate after the longjmp.
    Decode decode;
    PhotoSource source(file, seeded);
    return runDecode(decode, source, target, cancel);
}

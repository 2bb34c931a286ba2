#include "content/photosource.h"

#include <jerror.h>

namespace {

PhotoSource& sourceOf(j_decompress_ptr info) {
    // The manager is the first member of the source.
    return *reinterpret_cast<PhotoSource*>(info->src);
}

void initSource(j_decompress_ptr) {}

void termSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info) {
    PhotoSource& source = sourceOf(info);
    size_t count = std::fread(source.buffer, 1, sizeof source.buffer, source.file);
    if (count == 0) {
        if (std::ferror(source.file)) ERREXIT(info, JERR_FILE_READ);
        if (!source.anyBytesRead) ERREXIT(info, JERR_INPUT_EMPTY);
        WARNMS(info, JWRN_JPEG_EOF);
        source.buffer[0] = 0xFF;
        source.buffer[1] = JPEG_EOI;
        count = 2;
    } else {
        source.anyBytesRead = true;
        source.scrambler.apply(source.buffer, count);
    }
    source.manager.next_input_byte = source.buffer;
    source.manager.bytes_in_buffer = count;
    return TRUE;
}

void skipInputData(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& manager = sourceOf(info).manager;
    auto remaining = static_cast<size_t>(count);
    while (remaining > manager.bytes_in_buffer) {
        remaining -= manager.bytes_in_buffer;
        fillInputBuffer(info);  // never suspends
    }
    manager.next_input_byte += remaining;
    manager.bytes_in_buffer -= remaining;
}

}  // namespace

void UsePhotoSource(j_decompress_ptr info, PhotoSource& source) {
    static_assert(offsetof(PhotoSource, manager) == 0, "libjpeg hands back the manager");
    source.manager.init_source = initSource;
    source.manager.fill_input_buffer = fillInputBuffer;
    source.manager.skip_input_data = skipInputData;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = termSource;
    source.manager.next_input_byte = nullptr;
    source.manager.bytes_in_buffer = 0;
    info->src = &source.manager;
}

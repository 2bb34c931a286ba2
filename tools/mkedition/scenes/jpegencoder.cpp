#include "tools/mkedition/scenes/jpegencoder.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace {

struct EncoderError {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

[[noreturn]] void EscapeOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<EncoderError*>(info->err)->escape, 1);
}

void IgnoreMessage(j_common_ptr) {}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const QImage& image, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    EncoderError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = EscapeOnError;
    error.manager.output_message = IgnoreMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> bytes;
    // Nothing with a destructor may live between setjmp and the last libjpeg call.
    if (setjmp(error.escape) == 0) {
        jpeg_create_compress(&info);
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = static_cast<JDIMENSION>(rgb.width());
        info.image_height = static_cast<JDIMENSION>(rgb.height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        info.optimize_coding = TRUE;
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        bytes.assign(buffer, buffer + size);
    }
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

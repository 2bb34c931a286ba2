#include "tools/mkedition/jpegcodec.h"

#include <jerror.h>

#include <cstdlib>

#include "content/jpegerrors.h"

namespace {

struct Encode {
    jpeg_compress_struct info{};
    JpegErrorTrap trap;
    unsigned char* bytes = nullptr;  // malloc'ed by libjpeg
    unsigned long size = 0;
};

// No C++ object that needs destroying lives here: an error longjmps back to the setjmp.
bool runEncode(Encode& e, const QImage& image, int quality) {
    e.info.err = InitJpegErrorTrap(e.trap);
    if (setjmp(e.trap.jump)) {
        jpeg_destroy_compress(&e.info);
        return false;
    }
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.bytes, &e.size);
    e.info.image_width = static_cast<JDIMENSION>(image.width());
    e.info.image_height = static_cast<JDIMENSION>(image.height());
    e.info.input_components = 3;
    e.info.in_color_space = JCS_EXT_RGB;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        auto* row =
            const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(e.info.next_scanline)));
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    jpeg_destroy_compress(&e.info);
    return true;
}

struct Decode {
    jpeg_decompress_struct info{};
    JpegErrorTrap trap;
};

bool runDecode(Decode& d, const std::vector<uint8_t>& jpeg, QImage& into) {
    d.info.err = InitJpegErrorTrap(d.trap);
    if (setjmp(d.trap.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_EXT_RGB;
    jpeg_start_decompress(&d.info);
    const QSize size(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height));
    if (into.size() != size || into.format() != QImage::Format_RGB888)
        into = QImage(size, QImage::Format_RGB888);
    if (into.isNull()) ERREXIT(&d.info, JERR_OUT_OF_MEMORY);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = into.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Encode encode;
    const bool ok = runEncode(encode, rgb, quality);
    std::vector<uint8_t> bytes;
    if (ok) bytes.assign(encode.bytes, encode.bytes + encode.size);
    std::free(encode.bytes);
    return bytes;
}

bool DecodeJpeg(const std::vector<uint8_t>& jpeg, QImage& into) {
    Decode decode;
    return runDecode(decode, jpeg, into);
}

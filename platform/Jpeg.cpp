#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

constexpr int kMaxSide = 16384;  // pixels; larger pictures are refused, not allocated

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to DecodeJpeg.
struct TErrorManager {
    jpeg_error_mgr Public;
    std::jmp_buf Jump;
    bool Corrupt;  // a warning: libjpeg went on over damaged or missing data
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<TErrorManager*>(info->err);
    std::longjmp(manager->Jump, 1);
}

void OnMessage(j_common_ptr) {}  // nothing is printed

void OnEmit(j_common_ptr info, int level) {
    if (level < 0) reinterpret_cast<TErrorManager*>(info->err)->Corrupt = true;
}

}  // namespace

bool DecodeJpeg(const std::vector<std::uint8_t>& data, TPixelBuffer& out) {
    out = TPixelBuffer();
    if (data.empty()) return false;
    jpeg_decompress_struct info{};
    TErrorManager errors{};
    info.err = jpeg_std_error(&errors.Public);
    errors.Public.error_exit = OnError;
    errors.Public.output_message = OnMessage;
    errors.Public.emit_message = OnEmit;
    // Nothing with a destructor may live between setjmp and longjmp: the
    // pixels are written into out, which exists before.
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        out = TPixelBuffer();
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide ||
        info.output_height > kMaxSide || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    out = TPixelBuffer(int(info.output_width), int(info.output_height));
    // From libjpeg's pool: freed by jpeg_destroy_decompress on every path.
    JSAMPARRAY rows = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * 3, 1);
    const JSAMPLE* row = rows[0];
    while (info.output_scanline < info.output_height) {
        int y = int(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
        std::uint32_t* dst = out.Row(y);
        for (int x = 0; x < out.Width; ++x) {
            dst[x] = MakePixel(row[std::size_t(x) * 3], row[std::size_t(x) * 3 + 1], row[std::size_t(x) * 3 + 2]);
        }
    }
    bool complete = info.output_scanline == info.output_height;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (!complete || errors.Corrupt) {
        // A truncated or damaged picture is refused whole, not shown in part.
        out = TPixelBuffer();
        return false;
    }
    return true;
}

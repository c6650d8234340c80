#include "ui/jpeg_image.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace {

struct ReturningErrorManager {
    jpeg_error_mgr base;  // first member: libjpeg sees only this part
    std::jmp_buf resume;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    auto* manager = reinterpret_cast<ReturningErrorManager*>(info->err);
    std::longjmp(manager->resume, 1);
}

// The program has no log; warnings about damaged data are not shown.
void stayQuiet(j_common_ptr /*info*/) {}

// longjmp skips destructors, so everything that lives across setjmp is plain
// data: the image is owned by the caller and only its pixels are written.
bool decodeInto(jpeg_decompress_struct& info, const unsigned char* data, unsigned long size,
                QImage& image) {
    auto* manager = reinterpret_cast<ReturningErrorManager*>(info.err);
    if (setjmp(manager->resume) != 0) return false;  // NOLINT(cert-err52-cpp)

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) return false;

    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {};

    ReturningErrorManager manager{};
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = jumpBack;
    manager.base.output_message = stayQuiet;

    QImage image;
    const bool decoded = decodeInto(info, reinterpret_cast<const unsigned char*>(data.constData()),
                                    static_cast<unsigned long>(data.size()), image);
    jpeg_destroy_decompress(&info);
    return decoded ? image : QImage();
}

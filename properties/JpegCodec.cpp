#include "properties/JpegCodec.h"

#include <QPainter>

#include <cstdio>
#include <cstdlib>
// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <jpeglib.h>

#include <vector>

namespace {

// libjpeg's default error handler calls exit(); ours jumps back to the caller.
struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

// The byte order of a QImage::Format_RGB32 pixel in memory.
constexpr J_COLOR_SPACE QImageRowSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

[[noreturn]] void OnJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<TJpegError*>(info->err);
    std::longjmp(err->Jump, 1);
}

void OnJpegMessage(j_common_ptr, int) {} // warnings (corrupt-data notices) are not ours to print

// Everything touched between setjmp and longjmp lives here, so nothing with a
// destructor is skipped by the jump.
struct TDecodeState {
    jpeg_decompress_struct Info{};
    TJpegError Error{};
    QImage Image;
    std::vector<JSAMPLE> Row;
};

bool DecodeInto(TDecodeState& s, const QByteArray& bytes) {
    s.Info.err = jpeg_std_error(&s.Error.Manager);
    s.Error.Manager.error_exit = OnJpegError;
    s.Error.Manager.emit_message = OnJpegMessage;
    if (setjmp(s.Error.Jump)) {
        jpeg_destroy_decompress(&s.Info);
        return false;
    }
    jpeg_create_decompress(&s.Info);
    jpeg_mem_src(&s.Info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&s.Info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&s.Info);
        return false;
    }
    // Refuse huge pictures before libjpeg allocates anything for them.
    const auto w = static_cast<long long>(s.Info.image_width);
    const auto h = static_cast<long long>(s.Info.image_height);
    if (w <= 0 || h <= 0 || w * h > MaxJpegPixels) {
        jpeg_destroy_decompress(&s.Info);
        return false;
    }
    const bool cmyk = s.Info.jpeg_color_space == JCS_CMYK || s.Info.jpeg_color_space == JCS_YCCK;
    s.Info.out_color_space = cmyk ? JCS_CMYK : QImageRowSpace;
    jpeg_start_decompress(&s.Info);
    s.Image = QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (s.Image.isNull()) {
        jpeg_destroy_decompress(&s.Info);
        return false;
    }
    s.Row.resize(static_cast<size_t>(w) * 4);
    while (s.Info.output_scanline < s.Info.output_height) {
        const int y = static_cast<int>(s.Info.output_scanline);
        JSAMPROW target = cmyk ? s.Row.data() : reinterpret_cast<JSAMPROW>(s.Image.scanLine(y));
        jpeg_read_scanlines(&s.Info, &target, 1);
        if (cmyk) {
            // Adobe writes CMYK inverted; libjpeg hands it back as stored.
            auto* line = reinterpret_cast<QRgb*>(s.Image.scanLine(y));
            for (long long x = 0; x < w; ++x) {
                const JSAMPLE* p = &s.Row[static_cast<size_t>(x) * 4];
                const int k = p[3];
                line[x] = qRgb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&s.Info);
    jpeg_destroy_decompress(&s.Info);
    return true;
}

struct TEncodeState {
    jpeg_compress_struct Info{};
    TJpegError Error{};
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    QImage Source;
};

bool EncodeFrom(TEncodeState& s, int quality) {
    s.Info.err = jpeg_std_error(&s.Error.Manager);
    s.Error.Manager.error_exit = OnJpegError;
    s.Error.Manager.emit_message = OnJpegMessage;
    if (setjmp(s.Error.Jump)) {
        jpeg_destroy_compress(&s.Info);
        return false;
    }
    jpeg_create_compress(&s.Info);
    jpeg_mem_dest(&s.Info, &s.Buffer, &s.Size);
    s.Info.image_width = static_cast<JDIMENSION>(s.Source.width());
    s.Info.image_height = static_cast<JDIMENSION>(s.Source.height());
    s.Info.input_components = 4;
    s.Info.in_color_space = QImageRowSpace;
    jpeg_set_defaults(&s.Info);
    jpeg_set_quality(&s.Info, quality, TRUE);
    jpeg_start_compress(&s.Info, TRUE);
    while (s.Info.next_scanline < s.Info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(s.Source.constScanLine(static_cast<int>(s.Info.next_scanline)));
        jpeg_write_scanlines(&s.Info, &row, 1);
    }
    jpeg_finish_compress(&s.Info);
    jpeg_destroy_compress(&s.Info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    TDecodeState state;
    if (!DecodeInto(state, bytes))
        return {};
    return state.Image;
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull())
        return {};
    TEncodeState state;
    if (image.hasAlphaChannel()) {
        // Flatten transparency onto white, as a page would show it.
        state.Source = QImage(image.size(), QImage::Format_RGB32);
        state.Source.fill(Qt::white);
        QPainter painter(&state.Source);
        painter.drawImage(0, 0, image);
    } else {
        state.Source = image.convertToFormat(QImage::Format_RGB32);
    }
    const bool ok = EncodeFrom(state, qBound(0, quality, 100));
    QByteArray out;
    if (ok && state.Buffer)
        out = QByteArray(reinterpret_cast<const char*>(state.Buffer), static_cast<qsizetype>(state.Size));
    std::free(state.Buffer);
    return out;
}

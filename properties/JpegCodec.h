#pragma once

// JPEG through libjpeg-turbo, independent of which Qt image plugins are installed.

#include <QByteArray>
#include <QImage>

// Decodes a JPEG file held in memory into an opaque RGB32 image. Returns a null image
// for data that is not a JPEG, is damaged, or would decode to more than
// MaxJpegPixels pixels.
QImage DecodeJpeg(const QByteArray& bytes);

// Encodes an image as a baseline JPEG file (quality 0 to 100); empty on failure.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);

inline constexpr long long MaxJpegPixels = 64LL * 1024 * 1024;

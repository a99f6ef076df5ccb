#include "platform/widgets/Pictures.h"

#include <QResource>
#include <QtEndian>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

constexpr qsizetype kHeaderSize = 16; // "BLRW", width, height, format

std::uint32_t word(const uchar* at) {
    return qFromLittleEndian<std::uint32_t>(at);
}

} // namespace

QImage picture(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < kHeaderSize)
        return {};
    const uchar* data = resource.data();
    const std::uint32_t width = word(data + 4), height = word(data + 8);
    const auto format = static_cast<QImage::Format>(word(data + 12));
    if (std::memcmp(data, "BLRW", 4) != 0 || width > 4096 || height > 4096 ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) ||
        resource.size() != kHeaderSize + qsizetype{4} * width * height)
        return {};
    const uchar* pixels = data + kHeaderSize;
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    // The pixels as they are in the program, when the machine holds them so and they are
    // aligned as an image's must be; else copied pixel by pixel.
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && reinterpret_cast<quintptr>(pixels) % 4 == 0)
        return QImage(pixels, w, h, w * 4, format);
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, word(pixels + (qsizetype{y} * w + x) * 4));
    return image;
}

QPixmap picturePixmap(const QString& path) {
    return QPixmap::fromImage(picture(path));
}

} // namespace platform

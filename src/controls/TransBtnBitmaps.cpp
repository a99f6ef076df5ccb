#include "controls/TransBtnBitmaps.h"

#include "platform/widgets/Colors.h"

#include <vector>

namespace controls {

using platform::TColor;
using platform::toQColor;

namespace {

QRgb rgbOf(TColor c) {
    return toQColor(c).rgb();
}

} // namespace

void GrayscaleBitmap(QImage& bitmap, int wr, int wg, int wb) {
    if (bitmap.isNull()) return;
    bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    const int total = wr + wg + wb;
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            const QRgb p = line[x];
            const int v = (wr * qRed(p) + wg * qGreen(p) + wb * qBlue(p)) / total;
            line[x] = qRgb(v, v, v);
        }
    }
}

void DisabledBitmap(QImage& bitmap) {
    if (bitmap.isNull()) return;
    bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    const QRgb ref = bitmap.pixel(0, 0);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            line[x] = (line[x] == white || line[x] == ref) ? ref : qRgb(0, 0, 0);
    }
    EngraveBitmap(bitmap);
}

void EngraveBitmap(QImage& bitmap) {
    if (bitmap.isNull()) return;
    const QImage source = bitmap.convertToFormat(QImage::Format_RGB32);
    const int w = source.width();
    const int h = source.height();
    // The one-bit copy: the black pixels of the two-colour picture are the shape.
    std::vector<bool> mask(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask[static_cast<std::size_t>(y * w + x)] = source.pixel(x, y) == qRgb(0, 0, 0);

    QImage result(w, h, QImage::Format_RGB32);
    result.fill(toQColor(platform::clBtnFace));
    // The mask copy takes the brush where the mask is set and keeps the destination elsewhere:
    // the highlight one pixel lower right first, then the shadow on top of it.
    const auto stamp = [&](int dx, int dy, QRgb brush) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (mask[static_cast<std::size_t>(y * w + x)] && x + dx < w && y + dy < h)
                    result.setPixel(x + dx, y + dy, brush);
    };
    stamp(1, 1, rgbOf(platform::clBtnHighlight));
    stamp(0, 0, rgbOf(platform::clBtnShadow));
    bitmap = result;
}

QImage CreateCheckerBitmap() {
    QImage checker(8, 8, QImage::Format_RGB32);
    checker.fill(toQColor(platform::clBtnFace));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x % 2 == y % 2) checker.setPixel(x, y, qRgb(255, 255, 255));
    return checker;
}

QImage MaskedByTransparentColour(const QImage& cell) {
    QImage masked = cell.convertToFormat(QImage::Format_ARGB32);
    if (masked.isNull()) return masked;
    const QRgb transparent = masked.pixel(0, masked.height() - 1) | 0xFF000000u;
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] | 0xFF000000u) == transparent) line[x] = 0;
    }
    return masked;
}

} // namespace controls

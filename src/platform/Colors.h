// Colours as the game stores them: 24-bit values with blue in the high byte and red in the
// low byte (red is 255; 4210752 is grey 64, 64, 64), converted to Qt colours when drawn.
#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor rgbColor(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

inline QColor toQColor(TColor c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

} // namespace platform

// Colours as the game stores them: 24-bit values with blue in the high byte and red in the
// low byte (red is 255; 4210752 is grey 64, 64, 64), or a system colour role (the high bit
// set) that is resolved through the application palette when drawn.
#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;

// System colour roles. Their values never collide with a 24-bit colour.
constexpr TColor kSystemColorFlag = 0x80000000;
constexpr TColor clBtnFace = kSystemColorFlag | 1;
constexpr TColor clBtnHighlight = kSystemColorFlag | 2;
constexpr TColor clBtnShadow = kSystemColorFlag | 3;
constexpr TColor cl3DDkShadow = kSystemColorFlag | 4;
constexpr TColor clWindowText = kSystemColorFlag | 5;

constexpr TColor rgbColor(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr bool isSystemColor(TColor c) {
    return (c & kSystemColorFlag) != 0;
}

// The colour to draw with: a system role is looked up in the application palette.
QColor toQColor(TColor c);

} // namespace platform

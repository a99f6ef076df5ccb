#include "controls/TransBtnLayout.h"

namespace controls {

BtnRect glyphRect(TTextAlign align, int w, int h, int gw, int gh, int spacing) {
    int x = (w - gw) / 2;
    int y = (h - gh) / 2;
    switch (align) {
    case ttaTopLeft:
    case ttaTop:
    case ttaTopRight:
        y = h - gh - spacing;
        break;
    case ttaRight:
        x = spacing;
        break;
    case ttaBottomRight:
    case ttaBottom:
    case ttaBottomLeft:
        y = spacing;
        break;
    case ttaLeft:
        x = w - gw - spacing;
        break;
    case ttaCenter:
        break;
    }
    return {x, y, x + gw, y + gh};
}

BtnPoint captionOrigin(TTextAlign align, int w, int h, int tw, int th, const BtnRect& glyph,
                       int spacing) {
    const int left = spacing;
    const int centre = w / 2 - tw / 2;
    const int right = w - tw - spacing;
    const int above = glyph.top - th - spacing;
    const int middle = h / 2 - th / 2;
    const int below = glyph.bottom + spacing;
    switch (align) {
    case ttaTopLeft:
        return {left, above};
    case ttaTop:
        return {centre, above};
    case ttaTopRight:
        return {right, above};
    case ttaRight:
        return {right, middle};
    case ttaBottomRight:
        return {right, below};
    case ttaBottom:
        return {centre, below};
    case ttaBottomLeft:
        return {left, below};
    case ttaLeft:
        return {left, middle};
    case ttaCenter:
        break;
    }
    return {centre, middle};
}

int numGlyphsFor(int width, int height, int current) {
    if (height <= 0 || width <= 0 || width % height != 0) return current;
    const int n = width / height;
    return n > 4 ? 1 : n;
}

int glyphCellIndex(int numGlyphs, bool enabled, bool pressedOrDown) {
    if (numGlyphs == 2) return enabled ? 0 : 1;
    if (numGlyphs >= 3) return !enabled ? 1 : pressedOrDown ? 2 : 0;
    return 0;
}

} // namespace controls

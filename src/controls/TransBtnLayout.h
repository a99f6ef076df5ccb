// The arithmetic of the transparent button, apart from any widget: where its glyph and
// caption go for each text alignment, how a glyph strip is split into cells, and which
// cell a paint picks. Divisions by two truncate toward zero, so a 40-pixel cell on a
// 17-pixel button starts at -11.
#pragma once

namespace controls {

enum TFrameStyle { fsRegular, fsIndent, fsExplorer, fsNone, fsLight, fsDark, fsMono };

enum TTextAlign {
    ttaTopLeft,
    ttaTop,
    ttaTopRight,
    ttaRight,
    ttaBottomRight,
    ttaBottom,
    ttaBottomLeft,
    ttaLeft,
    ttaCenter
};

struct BtnRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const BtnRect&) const = default;
};

struct BtnPoint {
    int x = 0, y = 0;
    bool operator==(const BtnPoint&) const = default;
};

// The glyph rectangle G for a button of width w and height h and a cell of gw x gh: the
// glyph goes to the side opposite the text.
BtnRect glyphRect(TTextAlign align, int w, int h, int gw, int gh, int spacing);

// Where the caption's extent (tw x th) starts, relative to the button, given G.
BtnPoint captionOrigin(TTextAlign align, int w, int h, int tw, int th, const BtnRect& glyph,
                       int spacing);

// The number of cells a glyph of width x height holds: width div height when the width is a
// whole multiple of the height (more than four counts as one), else the current number.
int numGlyphsFor(int width, int height, int current);

// Which glyph cell a paint starts from, before the grey and disabled substitutions.
int glyphCellIndex(int numGlyphs, bool enabled, bool pressedOrDown);

} // namespace controls

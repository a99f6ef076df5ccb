// The transparent button's glyph pictures: the grey and disabled versions of a glyph cell, its
// transparent colour made transparent, and the checker pattern of a pressed flat button. Plain
// image work, made once per glyph change rather than on every paint.
#pragma once

#include <QImage>

namespace controls {

// Each pixel becomes grey (wr*r + wg*g + wb*b) div (wr + wg + wb).
void GrayscaleBitmap(QImage& bitmap, int wr, int wg, int wb);
// Two colours (the colour of pixel (0, 0) for white and itself, black for the rest), engraved.
void DisabledBitmap(QImage& bitmap);
// The black pixels' shape in button shadow with a highlight one pixel lower right, on face.
void EngraveBitmap(QImage& bitmap);
// An 8 x 8 pattern: button face, with white where x and y are both even or both odd.
QImage CreateCheckerBitmap();

// The cell with its transparent colour, the colour of its bottom-left pixel, made transparent.
QImage MaskedByTransparentColour(const QImage& cell);

} // namespace controls

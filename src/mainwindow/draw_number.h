#pragma once
#include <QImage>
#include <QRect>
#include <cstdint>

class QPainter;

namespace zorva {

// The digit sprites of the meters: glyphs 0 to 9 side by side, one strip in the normal colour
// and one in green.
struct TDigitStrips {
    QImage Normal;
    QImage Green;
    int GlyphWidth = 16;
    int GlyphHeight = 21;
};

// 16 x 21 glyphs below 1000 pixels of screen width, 32 x 42 from 1000 on; sharp at the ratio.
TDigitStrips DigitStripsFor(int screenWidth, double ratio = 1.0);

// How wide value's digits stand, without the glyph of clearing.
int NumberWidth(const TDigitStrips& strips, int32_t value);

// What DrawNumber touches for value at (x, y), before it draws.
QRect NumberArea(const TDigitStrips& strips, int32_t value, int x, int y, bool rightAligned, bool exactClear);

// Paints value with digit sprites at (x, y), x being the right edge when rightAligned. A black box
// first wipes the old number: exactly the new one's width with exactClear, else one glyph more on
// the side where a longer old number stood out. Returns every pixel touched, for the repaint.
QRect DrawNumber(QPainter& painter, const TDigitStrips& strips, int32_t value, int x, int y, bool green,
                 bool rightAligned, bool exactClear);

} // namespace zorva

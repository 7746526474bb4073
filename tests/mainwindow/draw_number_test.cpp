#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "mainwindow/draw_number.h"

namespace zorva {
namespace {

// Strips whose glyph d is a solid block of grey level 10 * (d + 1), so every painted cell tells
// which digit it shows; green glyphs have a green tint.
TDigitStrips MarkedStrips(int gw, int gh) {
    TDigitStrips strips{QImage(10 * gw, gh, QImage::Format_RGB32), QImage(10 * gw, gh, QImage::Format_RGB32),
                        gw, gh};
    for (int d = 0; d < 10; ++d) {
        const int level = 10 * (d + 1);
        QPainter(&strips.Normal).fillRect(d * gw, 0, gw, gh, QColor(level, level, level));
        QPainter(&strips.Green).fillRect(d * gw, 0, gw, gh, QColor(0, level, 0));
    }
    return strips;
}

// The digit shown in the glyph cell at (x, y), -1 for black, -2 for anything else.
int DigitAt(const QImage& canvas, int x, int y) {
    const QColor c = canvas.pixelColor(x + 1, y + 1);
    if (c == Qt::black)
        return -1;
    const int level = c.green();
    return level % 10 == 0 && level <= 100 ? level / 10 - 1 : -2;
}

QImage WhiteCanvas() {
    QImage canvas(400, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

// A meter showing the wrong digits, or leaving old ones beside the new, is the first thing a
// player notices; this pins the glyph cells and the three ways of clearing.
TEST(DrawNumber, PaintsGlyphCellsAndClearsOneCellMoreUnlessExact) {
    const TDigitStrips strips = MarkedStrips(16, 21);
    QImage canvas = WhiteCanvas();
    {
        QPainter painter(&canvas);
        const QRect touched = DrawNumber(painter, strips, 1000, 10, 30, false, false, false);
        EXPECT_EQ(touched, QRect(10, 30, 5 * 16, 21));
    }
    EXPECT_EQ(DigitAt(canvas, 10, 30), 1);
    EXPECT_EQ(DigitAt(canvas, 26, 30), 0);
    EXPECT_EQ(DigitAt(canvas, 58, 30), 0);
    EXPECT_EQ(DigitAt(canvas, 74, 30), -1) << "the cell right of the number is blanked";
    EXPECT_EQ(canvas.pixelColor(90, 35), QColor(Qt::white)) << "and nothing beyond it";

    canvas = WhiteCanvas();
    {
        QPainter painter(&canvas);
        EXPECT_EQ(DrawNumber(painter, strips, 7, 100, 0, true, false, true), QRect(100, 0, 16, 21));
    }
    EXPECT_EQ(canvas.pixelColor(101, 1), QColor(0, 80, 0)) << "green strip";
    EXPECT_EQ(canvas.pixelColor(117, 1), QColor(Qt::white)) << "exact clearing stops at the number";
}

// Coins Played shrinking from 16 to 8 must not leave the old leading 1 standing.
TEST(DrawNumber, RightAlignedNumberKeepsItsRightEdgeAndWipesTheOldLeadingDigit) {
    const TDigitStrips strips = MarkedStrips(16, 21);
    QImage canvas = WhiteCanvas();
    QPainter painter(&canvas);
    DrawNumber(painter, strips, 16, 200, 10, false, true, false);
    EXPECT_EQ(DigitAt(canvas, 168, 10), 1);
    EXPECT_EQ(DigitAt(canvas, 184, 10), 6);
    DrawNumber(painter, strips, 14, 200, 10, false, true, false);
    EXPECT_EQ(DigitAt(canvas, 168, 10), 1);
    EXPECT_EQ(DigitAt(canvas, 184, 10), 4);
    DrawNumber(painter, strips, 8, 200, 10, false, true, false);
    EXPECT_EQ(DigitAt(canvas, 168, 10), -1);
    EXPECT_EQ(DigitAt(canvas, 184, 10), 8);
}

// Large screens take the 32 x 42 glyphs; a value of more than ten digits cannot exist in 32 bits,
// and a negative one is shown as 0 rather than as garbage from outside the strip.
TEST(DrawNumber, LargeGlyphsAndOddValues) {
    EXPECT_EQ(DigitStripsFor(999).GlyphWidth, 16);
    const TDigitStrips large = DigitStripsFor(1000);
    EXPECT_EQ(large.GlyphWidth, 32);
    EXPECT_EQ(large.GlyphHeight, 42);
    EXPECT_GE(large.Normal.width(), 10 * 32) << "room for ten glyphs";
    EXPECT_EQ(large.Normal.height(), 42);
    EXPECT_FALSE(large.Green.isNull());

    const TDigitStrips strips = MarkedStrips(16, 21);
    QImage canvas = WhiteCanvas();
    QPainter painter(&canvas);
    EXPECT_EQ(DrawNumber(painter, strips, 2147483647, 0, 0, false, false, true).width(), 10 * 16);
    EXPECT_EQ(DrawNumber(painter, strips, -5, 0, 50, false, false, true).width(), 16);
    EXPECT_EQ(DigitAt(canvas, 0, 50), 0);
}

} // namespace
} // namespace zorva

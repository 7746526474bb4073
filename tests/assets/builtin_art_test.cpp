#include "art/builtin_art.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace zorva;

// Every window copies rectangles out of these pictures by fixed offsets: a missing resource or a
// wrong size draws garbage.
TEST(BuiltinArt, EveryPictureLoadsFromTheResourcesAtItsSize) {
    for (const art::TBuiltinPicture& picture : art::AllBuiltinPictures) {
        const QImage image(picture.Path);
        ASSERT_FALSE(image.isNull()) << picture.Path;
        EXPECT_EQ(image.width(), picture.Width) << picture.Path;
        EXPECT_EQ(image.height(), picture.Height) << picture.Path;
    }
}

// The cards are drawn by ANDing the mask and ORing the picture: any grey at the corners, or a
// picture that is not black where the mask is white, would tint the table.
TEST(BuiltinArt, CardPicturesAreBlackExactlyWhereTheMaskIsWhite) {
    const QImage mask = QImage(art::cards::Neg.Path).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y) & 0xffffff;
            ASSERT_TRUE(m == 0 || m == 0xffffff) << "mask grey at " << x << "," << y;
        }
    EXPECT_EQ(mask.pixel(0, 0) & 0xffffff, 0xffffffu) << "corner outside the card";
    EXPECT_EQ(mask.pixel(36, 49) & 0xffffff, 0u) << "middle of the card";
    for (const art::TBuiltinPicture& card : {art::cards::Pos, art::cards::back, art::cards::Joker}) {
        const QImage image = QImage(card.Path).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                if ((mask.pixel(x, y) & 0xffffff) == 0xffffff) {
                    ASSERT_EQ(image.pixel(x, y) & 0xffffff, 0u) << card.Path << " at " << x << "," << y;
                }
            }
    }
}

// The borrow dialog makes the bottom-left colour transparent: it must be teal, and only the
// background may use it.
TEST(BuiltinArt, ChipsHaveSixteenColoursAndATealBackgroundOnly) {
    for (const art::TBuiltinPicture& chip :
         {art::chips::Chip1000, art::chips::Chip100, art::chips::Chip10, art::chips::Chip1}) {
        SCOPED_TRACE(chip.Path);
        const QImage image(chip.Path);
        ASSERT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_LE(image.colorCount(), art::chips::ChipColours);
        const QRgb teal = qRgb(0, 128, 128);
        EXPECT_EQ(image.pixel(0, image.height() - 1), teal);
        EXPECT_EQ(image.pixel(0, 0), teal) << "the corners are background";
        EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), teal) << "the chip's centre is opaque";
    }
}

// Digit d is copied from x = d × glyph width: every one of the ten cells must hold a lit glyph,
// different digits must look different, and no glyph's glow may reach into its neighbour's cell,
// where it showed as a dim sliver at the left of every meter.
TEST(BuiltinArt, DigitStripsHoldTenDistinctGlyphs) {
    for (auto [picture, singleWidth] : {std::pair{art::DigitsSmall, 16}, std::pair{art::GreenSmall, 16},
                                        std::pair{art::DigitsLarge, 32}, std::pair{art::GreenLarge, 32}}) {
        for (const int scale : {1, 2}) {
            QString path = QString::fromLatin1(picture.Path);
            if (scale == 2)
                path.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
            SCOPED_TRACE(path.toStdString());
            const QImage strip = QImage(path).convertToFormat(QImage::Format_RGB32);
            const int glyphWidth = singleWidth * scale;
            std::vector<QImage> glyphs;
            for (int d = 0; d < 10; ++d) {
                const QImage glyph = strip.copy(d * glyphWidth, 0, glyphWidth, strip.height());
                int bright = 0;
                int edgeLit = 0;
                for (int y = 0; y < glyph.height(); ++y) {
                    for (int x = 0; x < glyph.width(); ++x)
                        bright += qGray(glyph.pixel(x, y)) > 128;
                    edgeLit += qGray(glyph.pixel(0, y)) > 0 || qGray(glyph.pixel(glyphWidth - 1, y)) > 0;
                }
                EXPECT_GT(bright, glyph.width() * glyph.height() / 25) << "digit " << d;
                EXPECT_EQ(edgeLit, 0) << "digit " << d << " glows into its neighbour's cell";
                for (const QImage& other : glyphs)
                    EXPECT_NE(glyph, other) << "digit " << d;
                glyphs.push_back(glyph);
            }
        }
    }
}

#include "platform/picture_file.h"
#include "platform/sharp_pictures.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace zorva {
namespace {

void AppendLittleEndian(QByteArray& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 2 x 1 bitmap of 24 bits per pixel: a red pixel, then a blue one, rows padded to 4 bytes.
QByteArray RedBlueBitmap() {
    const QByteArray pixels("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8);
    QByteArray bmp("BM");
    AppendLittleEndian(bmp, 54 + pixels.size(), 4);
    AppendLittleEndian(bmp, 0, 4);
    AppendLittleEndian(bmp, 54, 4);
    for (uint32_t field : {40u, 2u, 1u})
        AppendLittleEndian(bmp, field, 4);
    AppendLittleEndian(bmp, 1, 2);
    AppendLittleEndian(bmp, 24, 2);
    for (int field = 0; field < 6; ++field)
        AppendLittleEndian(bmp, 0, 4);
    return bmp + pixels;
}

bool ImagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// Guards against a start-up that loads every image plugin (and the libraries under them) to
// guess a file's format, and against a named format that no longer reads the game's bitmaps.
TEST(PictureFile, ReadsABitmapWithoutLoadingAnyImagePlugin) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("Spin.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RedBlueBitmap());
    file.close();
    ASSERT_FALSE(ImagePluginLoaded()) << "something before this test loaded an image plugin";

    const QImage picture = ReadPicture(file.fileName(), "BMP");
    ASSERT_EQ(picture.size(), QSize(2, 1));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_TRUE(ReadPicture(folder.filePath(QStringLiteral("absent.bmp")), "BMP").isNull());
    EXPECT_FALSE(ImagePluginLoaded());
}

// At 150 % every twin is scaled down once to the screen's pixels, the palette ones (the borrow
// dialog's chips) too: Qt cannot scale those smoothly as they are.
TEST(SharpPictures, TwinsAreScaledToTheScreensPixelsAtFractionalRatios) {
    QImage twin(132, 84, QImage::Format_Indexed8);
    twin.setColorTable({qRgb(0, 128, 128), qRgb(255, 0, 0)});
    twin.fill(1);
    for (const double ratio : {1.25, 1.5, 2.0}) {
        const QImage picture = PictureForRatio(QImage(66, 42, QImage::Format_RGB32), twin, ratio);
        EXPECT_EQ(LogicalSize(picture), QSize(66, 42)) << ratio;
        EXPECT_EQ(picture.size(), QSize(qRound(66 * ratio), qRound(42 * ratio))) << ratio;
        EXPECT_EQ(picture.pixelColor(10, 10), QColor(255, 0, 0)) << ratio;
    }
    EXPECT_EQ(PictureForRatio(QImage(66, 42, QImage::Format_RGB32), twin, 1.0).size(), QSize(66, 42));
    EXPECT_EQ(TwinPath(QStringLiteral("/x/Spin.bmp")), QStringLiteral("/x/Spin@2x.png"));
}

// Parts of a picture (inside its edges) copied pixel for pixel, at every ratio a zoom gives and from any
// place of a translated painter (a tile of the canvas), cover exactly the device pixels a rectangle filled at
// the same place covers, so a part and the frame drawn around it meet without a seam or an overlap;
// at whole ratios they are the very pixels Qt's own scaled drawing gives.
TEST(SharpPictures, PartsDrawnPixelForPixelCoverWhatTheirRectangleCovers) {
    for (const double ratio : {1.25, 1.40625, 1.5, 1.875, 2.0, 2.8125, 3.0}) {
        QImage picture(QSize(qRound(70 * ratio), qRound(50 * ratio)), QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 7 % 200 + 50, y * 13 % 200 + 50, 255));
        picture.setDevicePixelRatio(ratio);
        for (const QPoint to : {QPoint(0, 0), QPoint(3, 5), QPoint(17, 9), QPoint(33, 31)})
            for (const QRect from : {QRect(0, 0, 64, 40), QRect(5, 7, 21, 13), QRect(11, 3, 40, 29)})
                for (const QPointF shift : {QPointF(0, 0), QPointF(-64 * 3 / ratio, -64 / ratio)}) {
                    QImage blank(200, 160, QImage::Format_RGB32);
                    blank.fill(Qt::black);
                    blank.setDevicePixelRatio(ratio);
                    QImage drawn = blank.copy(), filled = blank.copy(), scaled = blank.copy();
                    const auto paint = [&](QImage& image, const std::function<void(QPainter&)>& how) {
                        QPainter painter(&image);
                        painter.translate(shift);
                        how(painter);
                    };
                    paint(drawn, [&](QPainter& p) { DrawPicturePart(p, to, picture, from); });
                    paint(filled, [&](QPainter& p) { p.fillRect(QRectF(to, from.size()), Qt::white); });
                    paint(scaled, [&](QPainter& p) {
                        p.drawImage(QRectF(to, from.size()), picture,
                                    QRectF(from.x() * ratio, from.y() * ratio, from.width() * ratio,
                                           from.height() * ratio));
                    });
                    int uncovered = 0;
                    for (int y = 0; y < drawn.height(); ++y)
                        for (int x = 0; x < drawn.width(); ++x)
                            uncovered +=
                                (drawn.pixel(x, y) == qRgb(0, 0, 0)) != (filled.pixel(x, y) == qRgb(0, 0, 0));
                    const std::string where = "ratio " + std::to_string(ratio) + " to " +
                                              std::to_string(to.x()) + "," + std::to_string(to.y()) +
                                              " from " + std::to_string(from.x());
                    EXPECT_EQ(uncovered, 0) << where;
                    if (ratio == std::floor(ratio)) {
                        EXPECT_TRUE(drawn == scaled) << where;
                    }
                }
    }
}

} // namespace
} // namespace zorva

#include "platform/picture_file.h"
#include "platform/sharp_pictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace
} // namespace zorva

#include "platform/picture_cache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zorva {
namespace {

// A cache of its own under a scratch XDG_CACHE_HOME, and a source file to key the pictures by.
class PictureCache : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Scratch.isValid());
        qputenv("XDG_CACHE_HOME", Scratch.filePath(QStringLiteral("cache")).toLocal8Bit());
        WriteSource("first");
    }
    void TearDown() override { qunsetenv("XDG_CACHE_HOME"); }
    void WriteSource(const QByteArray& text) {
        QFile file(Source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // The picture through the cache, counting how often it had to be made.
    QImage Through(double ratio, const QImage& made) {
        return CachedPicture({Source}, ratio, [&] {
            ++Makes;
            return made;
        });
    }
    QTemporaryDir Scratch;
    QString Source = Scratch.filePath(QStringLiteral("Interbig@3x.png"));
    int Makes = 0;
};

QImage Sample(QImage::Format format, double ratio) {
    QImage picture(37, 23, format); // an odd width: rows padded in some formats
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 7, y * 11, (x ^ y) * 5));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

// The second start maps what the first made: the same pixels, format and ratio, nothing made anew.
TEST_F(PictureCache, ASecondStartMapsTheSamePicture) {
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                                        QImage::Format_RGB888}) {
        SCOPED_TRACE(format);
        Makes = 0;
        const double ratio = format == QImage::Format_RGB888 ? 2.0 : 2.8125;
        const QImage made = Sample(format, ratio);
        EXPECT_EQ(Through(ratio, made), made);
        const QImage mapped = Through(ratio, QImage());
        EXPECT_EQ(Makes, 1);
        EXPECT_EQ(mapped, made);
        EXPECT_EQ(mapped.format(), made.format());
        EXPECT_DOUBLE_EQ(mapped.devicePixelRatio(), ratio);
        QDir(PictureCacheFolder(ratio)).removeRecursively();
    }
}

// A changed source, another ratio, or a cache file cut short or spoilt: the picture is made anew,
// never read from a file that does not fit it.
TEST_F(PictureCache, MakesThePictureAnewWhenTheCacheDoesNotFit) {
    const QImage first = Sample(QImage::Format_RGB32, 1.875);
    Through(1.875, first);
    EXPECT_EQ(Through(1.5, first.copy()), first);
    EXPECT_EQ(Makes, 2) << "another ratio";

    WriteSource("second, longer");
    const QImage second = first.mirrored();
    EXPECT_EQ(Through(1.875, second), second);
    EXPECT_EQ(Makes, 3) << "a changed source";

    const QFileInfoList files = QDir(PictureCacheFolder(1.875)).entryInfoList(QDir::Files, QDir::Time);
    ASSERT_FALSE(files.isEmpty());
    QFile newest(files.first().absoluteFilePath());
    ASSERT_TRUE(newest.resize(newest.size() - 4));
    EXPECT_EQ(Through(1.875, second), second);
    EXPECT_EQ(Makes, 4) << "a file cut short";
    ASSERT_TRUE(newest.open(QIODevice::ReadWrite));
    newest.write("XXXX");
    newest.close();
    EXPECT_EQ(Through(1.875, second), second);
    EXPECT_EQ(Makes, 5) << "a spoilt header";
    EXPECT_EQ(Through(1.875, QImage()), second) << "stored again after each";
}

// Zooming back and forth keeps two ratios' pictures; a third sweeps out the oldest.
TEST_F(PictureCache, KeepsTheRatioInUseAndTheLatestOther) {
    int age = 30; // seconds: the folders' times set apart, as a clock tick may not tell them
    for (const double ratio : {1.40625, 1.875, 2.8125}) {
        Through(ratio, Sample(QImage::Format_RGB32, ratio));
        const timespec then[2] = {{time(nullptr) - age, 0}, {time(nullptr) - age, 0}};
        utimensat(AT_FDCWD, QFile::encodeName(PictureCacheFolder(ratio)).constData(), then, 0);
        age -= 10;
        PrunePictureCache(ratio);
    }
    EXPECT_FALSE(QFileInfo::exists(PictureCacheFolder(1.40625)));
    EXPECT_TRUE(QFileInfo::exists(PictureCacheFolder(1.875)));
    EXPECT_TRUE(QFileInfo::exists(PictureCacheFolder(2.8125)));
}

} // namespace
} // namespace zorva

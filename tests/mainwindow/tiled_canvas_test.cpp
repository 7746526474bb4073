#include <QPainter>
#include <QtMath>
#include <cmath>
#include <gtest/gtest.h>

#include "mainwindow/tiled_canvas.h"
#include "platform/fonts.h"

namespace zorva {
namespace {

constexpr int DotsPerMeter = 3780; // 96 pixels per inch

// Ink that crosses tile edges at every ratio: text, a picture, a fill, a hatched clipped box.
void DrawSample(QPainter& painter) {
    QImage picture(50, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    QPainter(&picture).fillRect(5, 5, 20, 10, Qt::blue);
    painter.drawImage(QPoint(40, 50), picture);
    painter.fillRect(QRect(100, 10, 90, 70), QColor(200, 0, 120));
    painter.setFont(GameFont(14, true));
    painter.setPen(Qt::yellow);
    painter.drawText(QRect(20, 100, 200, 40), Qt::AlignLeft | Qt::TextDontClip, QStringLiteral("Credits: 1,234"));
    painter.setPen(Qt::red);
    painter.setBrush(QBrush(Qt::red, Qt::DiagCrossPattern));
    painter.setClipRect(QRect(120, 60, 50, 50));
    painter.drawRect(QRect(110, 55, 70, 70));
}

QImage PlainCanvas(double ratio) {
    QImage plain(qCeil(260 * ratio), qCeil(160 * ratio), QImage::Format_RGB32);
    plain.fill(Qt::black);
    plain.setDevicePixelRatio(ratio);
    plain.setDotsPerMeterX(DotsPerMeter);
    plain.setDotsPerMeterY(DotsPerMeter);
    return plain;
}

// The tiles together must hold exactly the pixels one whole canvas would: any seam, shift or lost
// edge at a tile's border shows on the screen as a line through a meter or a letter.
TEST(TiledCanvas, HoldsWhatOneWholeCanvasWouldAtEveryRatio) {
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        QImage plain = PlainCanvas(ratio);
        TTiledCanvas tiled(QSize(260, 160), ratio, DotsPerMeter);
        ASSERT_EQ(tiled.DeviceRect().size(), plain.size());
        {
            QPainter painter(&plain);
            DrawSample(painter);
            painter.setClipping(false);
            painter.fillRect(QRect(45, 55, 30, 90), Qt::black);
        }
        tiled.Paint(QRect(0, 0, 260, 160), DrawSample);
        tiled.FillBlack(QRect(45, 55, 30, 90));
        plain.setDevicePixelRatio(1.0);
        EXPECT_EQ(tiled.ToImage(), plain);
        EXPECT_EQ(tiled.Copy(QRect(37, 41, 150, 90)), plain.copy(37, 41, 150, 90));

        // What reaches the window: the same pixels, under a rectangle that cuts tiles and pixels.
        QImage window = PlainCanvas(ratio);
        {
            QPainter painter(&window);
            tiled.CopyTo(painter, QRect(30, 20, 171, 97));
        }
        window.setDevicePixelRatio(1.0);
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x) {
                const bool inside = x >= std::floor(30 * ratio) && x < std::ceil(201 * ratio) &&
                                    y >= std::floor(20 * ratio) && y < std::ceil(117 * ratio);
                ASSERT_EQ(window.pixel(x, y), inside ? plain.pixel(x, y) : QColor(Qt::black).rgb())
                    << x << "," << y;
            }
    }
}

// Black costs nothing: a wide canvas with one small meter on it holds only the tiles under the
// meter, and blacking out where nothing was drawn makes none.
TEST(TiledCanvas, MakesOnlyTheTilesSomethingIsDrawnOn) {
    TTiledCanvas canvas(QSize(1910, 680), 2.0, DotsPerMeter);
    canvas.FillBlack(QRect(0, 0, 1910, 680));
    canvas.FillBlack();
    EXPECT_EQ(canvas.TilesMade(), 0);
    canvas.Paint(QRect(5, 30, 100, 42), [](QPainter& painter) { painter.fillRect(5, 30, 100, 42, Qt::yellow); });
    EXPECT_EQ(canvas.TilesMade(), 4) << "a 100 x 42 meter at (5, 30) reaches two tiles across and two down";
    EXPECT_EQ(canvas.Copy(QRect(2000, 1000, 10, 10)).pixelColor(0, 0), QColor(Qt::black));
}

} // namespace
} // namespace zorva

#include <QPainter>
#include <QtMath>
#include <cmath>
#include <gtest/gtest.h>

#include "mainwindow/tiled_canvas.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

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

QImage WindowOf(const TTiledCanvas& tiled, double ratio, const QRect& rect) {
    QImage window = PlainCanvas(ratio);
    {
        QPainter painter(&window);
        painter.setClipRect(rect);
        tiled.CopyTo(painter, rect);
    }
    window.setDevicePixelRatio(1.0);
    return window;
}

// A spinning wheel's frame, and a wheel at rest, are placed, not painted: the window, a copy of the canvas and anything
// drawn over it later must see exactly what painting it would have left, wrapped slice included.
TEST(TiledCanvas, APlacedPictureShowsAsIfPainted) {
    for (const double ratio : {1.0, 1.40625, 2.0, 2.8125}) {
        SCOPED_TRACE(ratio);
        QImage strip(qCeil(40 * ratio), qCeil(120 * ratio), QImage::Format_RGB32);
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                strip.setPixel(x, y, qRgb(x * 5 % 256, y * 3 % 256, 90));
        strip.setDevicePixelRatio(ratio);
        const QRect area(61, 33, 40, 75);
        const auto frame = [&](int offset) {
            const int first = std::min(75, 120 - offset);
            std::vector<TTiledCanvas::TPiece> pieces{{QRect(0, offset, 40, first), area.topLeft()}};
            if (first < 75)
                pieces.push_back({QRect(0, 0, 40, 75 - first), area.topLeft() + QPoint(0, first)});
            return pieces;
        };
        TTiledCanvas painted(QSize(260, 160), ratio, DotsPerMeter);
        TTiledCanvas placed(QSize(260, 160), ratio, DotsPerMeter);
        // The face first, placed whole; the sample's ink then lays it down on the tiles it reaches.
        const QRect face(15, 12, 40, 120);
        painted.Paint(face, [&](QPainter& painter) { DrawPicturePart(painter, face.topLeft(), strip, QRect(0, 0, 40, 120)); });
        placed.Place(face, strip, {{QRect(0, 0, 40, 120), face.topLeft()}});
        for (TTiledCanvas* canvas : {&painted, &placed})
            canvas->Paint(QRect(0, 100, 260, 60), DrawSample);
        for (const int offset : {10, 80})
            painted.Paint(area, [&](QPainter& painter) {
                for (const TTiledCanvas::TPiece& piece : frame(offset))
                    DrawPicturePart(painter, piece.To, strip, piece.From);
            });
        placed.Place(area, strip, frame(10));
        placed.Place(area, strip, frame(80));
        const QRect cut(70, 20, 100, 50);
        EXPECT_EQ(placed.ToImage(), painted.ToImage());
        EXPECT_EQ(placed.Copy(QRect(90, 40, 77, 51)), painted.Copy(QRect(90, 40, 77, 51)));
        EXPECT_EQ(WindowOf(placed, ratio, QRect(0, 0, 260, 160)), WindowOf(painted, ratio, QRect(0, 0, 260, 160)));
        EXPECT_EQ(WindowOf(placed, ratio, cut), WindowOf(painted, ratio, cut));

        // A fill across half the wheel lays the frame down first.
        const QRect across(80, 60, 60, 70);
        for (TTiledCanvas* canvas : {&painted, &placed})
            canvas->Paint(across, [&](QPainter& painter) { painter.fillRect(across, Qt::cyan); });
        EXPECT_EQ(placed.ToImage(), painted.ToImage());
        EXPECT_EQ(WindowOf(placed, ratio, QRect(0, 0, 260, 160)), WindowOf(painted, ratio, QRect(0, 0, 260, 160)));

        // The wheel at rest: white over it, then a symbol with see-through corners, both placed;
        // a hatch drawn over them afterwards lays both down in their order.
        QImage symbol(qCeil(30 * ratio), qCeil(30 * ratio), QImage::Format_ARGB32_Premultiplied);
        symbol.fill(Qt::transparent);
        {
            QPainter painter(&symbol);
            painter.setBrush(Qt::darkMagenta);
            painter.drawEllipse(symbol.rect());
        }
        symbol.setDevicePixelRatio(ratio);
        const QRect at(area.topLeft() + QPoint(5, 20), QSize(30, 30));
        painted.Paint(area, [&](QPainter& painter) {
            painter.fillRect(area, Qt::white);
            DrawPicturePart(painter, at.topLeft(), symbol, QRect(0, 0, 30, 30));
        });
        placed.PlaceFill(area, Qt::white);
        placed.Place(at, symbol, {{QRect(0, 0, 30, 30), at.topLeft()}}, true);
        EXPECT_EQ(placed.ToImage(), painted.ToImage());
        EXPECT_EQ(WindowOf(placed, ratio, QRect(0, 0, 260, 160)), WindowOf(painted, ratio, QRect(0, 0, 260, 160)));
        const QRect hatch(area.x(), area.y() + 25, area.width(), 10);
        for (TTiledCanvas* canvas : {&painted, &placed})
            canvas->Paint(hatch, [&](QPainter& painter) { painter.fillRect(hatch, QBrush(Qt::red, Qt::DiagCrossPattern)); });
        EXPECT_EQ(placed.ToImage(), painted.ToImage());
        EXPECT_EQ(WindowOf(placed, ratio, cut), WindowOf(painted, ratio, cut));

        // The next spin's frame over part of the white, the face and the hatch.
        const QRect next(area.x() + 4, area.y() - 20, 40, 75);
        const auto nextFrame = [&] { return std::vector<TTiledCanvas::TPiece>{{QRect(0, 30, 40, 75), next.topLeft()}}; };
        placed.PlaceFill(face, Qt::white);
        painted.Paint(face, [&](QPainter& painter) { painter.fillRect(face, Qt::white); });
        placed.Place(next, strip, nextFrame());
        painted.Paint(next, [&](QPainter& painter) { DrawPicturePart(painter, next.topLeft(), strip, QRect(0, 30, 40, 75)); });
        EXPECT_EQ(placed.ToImage(), painted.ToImage());
        EXPECT_EQ(WindowOf(placed, ratio, QRect(0, 0, 260, 160)), WindowOf(painted, ratio, QRect(0, 0, 260, 160)));
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

#include "mainwindow/tiled_canvas.h"

#include <QPainter>
#include <QRegion>
#include <cmath>

#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

// 64 logical pixels a side: small enough that the black between the meters and the machine
// takes whole tiles, large enough that a wheel's cell reaches at most four.
constexpr int LogicalSide = 64;

} // namespace

TTiledCanvas::TTiledCanvas(const QSize& logicalSize, double ratio, int dotsPerMeter)
    : Ratio_(ratio), DotsPerMeter(dotsPerMeter),
      DeviceSize(DevicePixelsOf(QRect(QPoint(), logicalSize), ratio).size()),
      Side(std::max(1, static_cast<int>(std::lround(LogicalSide * ratio)))),
      Columns((DeviceSize.width() + Side - 1) / Side), Rows((DeviceSize.height() + Side - 1) / Side),
      Tiles(static_cast<std::size_t>(Columns) * static_cast<std::size_t>(Rows)),
      Metrics(1, 1, QImage::Format_RGB32) {
    Metrics.setDotsPerMeterX(dotsPerMeter);
    Metrics.setDotsPerMeterY(dotsPerMeter);
}

QRect TTiledCanvas::TileRect(int column, int row) const {
    return QRect(column * Side, row * Side, Side, Side) & DeviceRect();
}

template <typename Visit> void TTiledCanvas::ForEachTile(const QRect& device, Visit visit) const {
    const QRect within = device & DeviceRect();
    if (within.isEmpty())
        return;
    for (int row = within.top() / Side; row <= within.bottom() / Side; ++row)
        for (int column = within.left() / Side; column <= within.right() / Side; ++column)
            visit(static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                      static_cast<std::size_t>(column),
                  TileRect(column, row));
}

void TTiledCanvas::Paint(const QRect& area, const std::function<void(QPainter&)>& paint) {
    LayDown(area);
    PaintTiles(area, paint);
}

void TTiledCanvas::PaintTiles(const QRect& area, const std::function<void(QPainter&)>& paint) {
    ForEachTile(DevicePixelsOf(area, Ratio_), [&](std::size_t index, const QRect& tileRect) {
        QImage& tile = Tiles[index];
        if (tile.isNull()) {
            tile = QImage(tileRect.size(), QImage::Format_RGB32);
            tile.fill(Qt::black);
            tile.setDevicePixelRatio(Ratio_);
            tile.setDotsPerMeterX(DotsPerMeter);
            tile.setDotsPerMeterY(DotsPerMeter);
        }
        QPainter painter(&tile);
        // A whole number of device pixels, so every tile draws its share exactly as one canvas would.
        painter.translate(-tileRect.x() / Ratio_, -tileRect.y() / Ratio_);
        paint(painter);
    });
}

void TTiledCanvas::TPlaced::DrawOn(QPainter& painter) const {
    for (const TPiece& piece : Pieces)
        DrawPicturePart(painter, piece.To, Picture, piece.From);
}

void TTiledCanvas::Place(const QRect& area, const QImage& picture, std::vector<TPiece> pieces) {
    // What the new pieces cover whole is simply replaced; anything it only meets is laid down.
    std::erase_if(Placed, [&](const TPlaced& placed) { return area.contains(placed.Area); });
    LayDown(area);
    Placed.push_back({area, picture, std::move(pieces)});
}

void TTiledCanvas::LayDown(const QRect& area) {
    const auto meets = [&](const TPlaced& placed) { return placed.Area.intersects(area); };
    for (const TPlaced& placed : Placed)
        if (meets(placed))
            PaintTiles(placed.Area, [&](QPainter& painter) { placed.DrawOn(painter); });
    std::erase_if(Placed, meets);
}

void TTiledCanvas::FillBlack(const QRect& area) {
    LayDown(area);
    ForEachTile(DevicePixelsOf(area, Ratio_), [&](std::size_t index, const QRect& tileRect) {
        QImage& tile = Tiles[index];
        if (tile.isNull())
            return;
        QPainter painter(&tile);
        painter.translate(-tileRect.x() / Ratio_, -tileRect.y() / Ratio_);
        painter.fillRect(area, Qt::black);
    });
}

void TTiledCanvas::FillBlack() {
    Placed.clear();
    for (QImage& tile : Tiles)
        if (!tile.isNull())
            tile.fill(Qt::black);
}

void TTiledCanvas::CopyTo(QPainter& painter, const QRect& rect) const {
    if (rect.isEmpty())
        return;
    // In the device's own pixels the copy is a plain blit; through the painter's scale to logical
    // pixels Qt takes its scaling path, pixel by pixel, even when source and target match.
    QRegion fromTiles(rect);
    for (const TPlaced& placed : Placed)
        if (placed.Area.intersects(rect))
            fromTiles -= placed.Area;
    painter.save();
    painter.scale(1.0 / Ratio_, 1.0 / Ratio_);
    for (const QRect& logical : fromTiles) {
        const QRect device = DevicePixelsOf(logical, Ratio_);
        ForEachTile(device, [&](std::size_t index, const QRect& tileRect) {
            const QRect part = device & tileRect;
            if (Tiles[index].isNull())
                painter.fillRect(part, Qt::black);
            else
                painter.drawImage(QRectF(part), Tiles[index], QRectF(part.translated(-tileRect.topLeft())));
        });
    }
    painter.restore();
    // Placed pictures go straight from their source to the window, over any edge pixel above.
    for (const TPlaced& placed : Placed) {
        if (!placed.Area.intersects(rect))
            continue;
        painter.save();
        painter.setClipRect(placed.Area & rect, Qt::IntersectClip);
        placed.DrawOn(painter);
        painter.restore();
    }
}

QImage TTiledCanvas::Copy(const QRect& device) const {
    QImage copy(device.size(), QImage::Format_RGB32);
    copy.fill(Qt::black);
    {
        QPainter painter(&copy);
        ForEachTile(device, [&](std::size_t index, const QRect& tileRect) {
            if (Tiles[index].isNull())
                return;
            const QRect part = device & tileRect;
            // Rectangles on both sides: the tile's pixels one for one, whatever its pixel ratio.
            painter.drawImage(part.translated(-device.topLeft()), Tiles[index],
                              part.translated(-tileRect.topLeft()));
        });
    }
    // Placed pictures are drawn as onto a tile: in logical pixels at the canvas's ratio.
    copy.setDevicePixelRatio(Ratio_);
    {
        QPainter painter(&copy);
        painter.translate(-device.x() / Ratio_, -device.y() / Ratio_);
        for (const TPlaced& placed : Placed) {
            if (!DevicePixelsOf(placed.Area, Ratio_).intersects(device))
                continue;
            painter.setClipRect(placed.Area);
            placed.DrawOn(painter);
        }
    }
    copy.setDevicePixelRatio(1.0);
    return copy;
}

int TTiledCanvas::TilesMade() const {
    int made = 0;
    for (const QImage& tile : Tiles)
        made += tile.isNull() ? 0 : 1;
    return made;
}

} // namespace zorva

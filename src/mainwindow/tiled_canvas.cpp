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

// The device pixels wholly inside a logical rectangle.
QRect InnerDevicePixelsOf(const QRect& logical, double ratio) {
    const int left = static_cast<int>(std::ceil(logical.x() * ratio));
    const int top = static_cast<int>(std::ceil(logical.y() * ratio));
    const int right = static_cast<int>(std::floor((logical.x() + logical.width()) * ratio));
    const int bottom = static_cast<int>(std::floor((logical.y() + logical.height()) * ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

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

QImage& TTiledCanvas::MadeTile(std::size_t index, const QRect& tileRect) {
    QImage& tile = Tiles[index];
    if (tile.isNull()) {
        tile = QImage(tileRect.size(), QImage::Format_RGB32);
        tile.fill(Qt::black);
        tile.setDevicePixelRatio(Ratio_);
        tile.setDotsPerMeterX(DotsPerMeter);
        tile.setDotsPerMeterY(DotsPerMeter);
    }
    return tile;
}

void TTiledCanvas::LayDown(std::size_t index, const QRect& tileRect) {
    for (TPlaced& placed : Placed) {
        if (placed.Laid[index] || !placed.DeviceArea.intersects(tileRect))
            continue;
        QPainter painter(&MadeTile(index, tileRect));
        // A whole number of device pixels, so every tile draws its share exactly as one canvas would.
        painter.translate(-tileRect.x() / Ratio_, -tileRect.y() / Ratio_);
        placed.DrawOn(painter);
        placed.Laid[index] = true;
    }
}

void TTiledCanvas::Paint(const QRect& area, const std::function<void(QPainter&)>& paint) {
    ForEachTile(DevicePixelsOf(area, Ratio_), [&](std::size_t index, const QRect& tileRect) {
        LayDown(index, tileRect);
        QPainter painter(&MadeTile(index, tileRect));
        painter.translate(-tileRect.x() / Ratio_, -tileRect.y() / Ratio_);
        paint(painter);
    });
}

void TTiledCanvas::FillBlack(const QRect& area) {
    ForEachTile(DevicePixelsOf(area, Ratio_), [&](std::size_t index, const QRect& tileRect) {
        LayDown(index, tileRect);
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

void TTiledCanvas::TPlaced::DrawOn(QPainter& painter) const {
    if (Picture.isNull())
        painter.fillRect(Area, Fill);
    for (const TPiece& piece : Pieces)
        DrawPicturePart(painter, piece.To, Picture, piece.From);
}

void TTiledCanvas::Place(const QRect& area, const QImage& picture, std::vector<TPiece> pieces, bool seeThrough) {
    // Whatever the new pieces cover whole can show nowhere any more.
    std::erase_if(Placed, [&](const TPlaced& placed) { return area.contains(placed.Area); });
    Placed.push_back({area, DevicePixelsOf(area, Ratio_), picture, std::move(pieces), QColor(), seeThrough,
                      std::vector<bool>(Tiles.size(), false)});
}

void TTiledCanvas::PlaceFill(const QRect& area, const QColor& colour) {
    std::erase_if(Placed, [&](const TPlaced& placed) { return area.contains(placed.Area); });
    Placed.push_back({area, DevicePixelsOf(area, Ratio_), QImage(), {}, colour, false, std::vector<bool>(Tiles.size(), false)});
}

void TTiledCanvas::Compose(QPainter& painter, const QRect& device, const QPoint& origin) const {
    const QTransform devicePixels =
        QTransform::fromTranslate(-origin.x(), -origin.y()) * QTransform::fromScale(1.0 / Ratio_, 1.0 / Ratio_);
    // Where each placed picture still shows: on the tiles it has not been laid down on.
    std::vector<QRegion> shows(Placed.size());
    painter.save();
    painter.setWorldTransform(devicePixels);
    ForEachTile(device, [&](std::size_t index, const QRect& tileRect) {
        const QRect part = device & tileRect;
        // What a placed picture covers there is not copied from the tile only to be drawn over.
        QRegion fromTile(part);
        for (std::size_t i = 0; i < Placed.size(); ++i)
            if (!Placed[i].Laid[index] && Placed[i].DeviceArea.intersects(part)) {
                if (!Placed[i].SeeThrough)
                    fromTile -= InnerDevicePixelsOf(Placed[i].Area, Ratio_);
                shows[i] += part;
            }
        // In the device's own pixels the copy is a plain blit; through the painter's scale to
        // logical pixels Qt takes its scaling path, pixel by pixel, even when source and target match.
        for (const QRect& rect : fromTile) {
            if (Tiles[index].isNull())
                painter.fillRect(rect, Qt::black);
            else
                painter.drawImage(QRectF(rect), Tiles[index], QRectF(rect.translated(-tileRect.topLeft())));
        }
    });
    painter.restore();
    // Nor is a placed picture drawn where a later one hides it: a spinning wheel's frame lies over
    // the white that cleared it and over the face.
    QRegion hidden;
    for (std::size_t i = Placed.size(); i-- > 0;) {
        if (shows[i].isEmpty())
            continue;
        const QRegion covered = shows[i] & InnerDevicePixelsOf(Placed[i].Area, Ratio_);
        shows[i] -= hidden;
        if (!Placed[i].SeeThrough)
            hidden += covered;
    }
    // Each placed picture where it shows, a stroke for each rectangle of that, clipped to whole
    // device pixels: under a clip of many rectangles Qt's raster engine walks the whole picture.
    for (std::size_t i = 0; i < Placed.size(); ++i) {
        for (const QRect& rect : shows[i]) {
            painter.save();
            painter.setWorldTransform(devicePixels);
            painter.setClipRect(rect, Qt::IntersectClip);
            painter.setWorldTransform(QTransform::fromTranslate(-origin.x() / Ratio_, -origin.y() / Ratio_));
            Placed[i].DrawOn(painter);
            painter.restore();
        }
    }
}

void TTiledCanvas::CopyTo(QPainter& painter, const QRect& rect) const {
    if (!rect.isEmpty())
        Compose(painter, DevicePixelsOf(rect, Ratio_), QPoint());
}

QImage TTiledCanvas::Copy(const QRect& device) const {
    QImage copy(device.size(), QImage::Format_RGB32);
    copy.fill(Qt::black);
    // Composed as onto the window: at the canvas's ratio, whatever the copy's own.
    copy.setDevicePixelRatio(Ratio_);
    {
        QPainter painter(&copy);
        Compose(painter, device, device.topLeft());
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

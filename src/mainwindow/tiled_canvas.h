#pragma once
#include <QImage>
#include <QRect>
#include <functional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace zorva {

// The main window's back buffer at the screen's device pixels, held in square tiles that are
// made only when something is first drawn on them: most of a wide window is black and stays so,
// and at 200 % a whole window-sized buffer would hold tens of megabytes of black.
// Coordinates are the layout's logical pixels unless a name says device.
class TTiledCanvas {
  public:
    // logicalSize: what the canvas covers; dotsPerMeter: the screen's, for text sizes.
    TTiledCanvas(const QSize& logicalSize, double ratio, int dotsPerMeter);

    double Ratio() const { return Ratio_; }
    QRect DeviceRect() const { return {QPoint(), DeviceSize}; }

    // Runs paint on every tile that area reaches, each with a painter in logical pixels, so what
    // paint draws inside area lands on the canvas whole. Ink outside area may be lost.
    void Paint(const QRect& area, const std::function<void(QPainter&)>& paint);
    void FillBlack(const QRect& area);
    void FillBlack();

    // One piece of a picture for Place: its logical rectangle and where it goes.
    struct TPiece {
        QRect From;
        QPoint To;
    };
    // Shows pieces of picture over area, which they cover whole, without copying them onto the
    // tiles: the next Place over the same area replaces them, so a spinning wheel's frame reaches
    // the window in one copy instead of two. Anything else drawn over area lays them down first.
    void Place(const QRect& area, const QImage& picture, std::vector<TPiece> pieces);

    // Copies the pixels under the logical rectangle to the same place of painter's device.
    void CopyTo(QPainter& painter, const QRect& rect) const;
    // The device pixels under device, black where nothing was ever drawn.
    QImage Copy(const QRect& device) const;
    QImage ToImage() const { return Copy(DeviceRect()); }

    // Measures text as the canvas writes it: its pixels per inch.
    QPaintDevice& TextDevice() const { return Metrics; }
    int TilesMade() const;

  private:
    QRect TileRect(int column, int row) const; // device pixels
    template <typename Visit>
    void ForEachTile(const QRect& device, Visit visit) const;
    void PaintTiles(const QRect& area, const std::function<void(QPainter&)>& paint);
    // Copies the placed pictures that meet area onto the tiles, and forgets them.
    void LayDown(const QRect& area);

    struct TPlaced {
        QRect Area;
        QImage Picture;
        std::vector<TPiece> Pieces;
        void DrawOn(QPainter& painter) const;
    };

    double Ratio_;
    int DotsPerMeter;
    QSize DeviceSize;
    int Side; // of a tile, in device pixels
    int Columns;
    int Rows;
    std::vector<QImage> Tiles; // a null tile is black
    std::vector<TPlaced> Placed; // over the tiles, apart from one another
    mutable QImage Metrics;
};

} // namespace zorva

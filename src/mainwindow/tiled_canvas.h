#pragma once
#include <QColor>
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
    // tiles: a tile takes its share only when something else is drawn on it. So the machine face
    // stays in its picture wherever nothing covers it, and a spinning wheel's frame, replaced by
    // the next Place over the same area, reaches the window in one copy instead of two.
    // A picture with see-through parts says so: what lies under it is then drawn first.
    void Place(const QRect& area, const QImage& picture, std::vector<TPiece> pieces, bool seeThrough = false);
    // Shows one opaque colour over area the same way, with no picture behind it.
    void PlaceFill(const QRect& area, const QColor& colour);

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
    QImage& MadeTile(std::size_t index, const QRect& tileRect);
    // Copies onto the tile every placed picture not yet on it, in the order they were placed.
    void LayDown(std::size_t index, const QRect& tileRect);
    // Draws the device pixels under device onto painter, whose device has the canvas's ratio and
    // shows the canvas's device pixel origin + p at its own p.
    void Compose(QPainter& painter, const QRect& device, const QPoint& origin) const;

    struct TPlaced {
        QRect Area;
        QRect DeviceArea; // the device pixels the pieces reach, at most
        QImage Picture; // none for a fill
        std::vector<TPiece> Pieces;
        QColor Fill;
        bool SeeThrough = false;
        std::vector<bool> Laid; // for each tile, whether the pieces are on it
        void DrawOn(QPainter& painter) const;
    };

    double Ratio_;
    int DotsPerMeter;
    QSize DeviceSize;
    int Side; // of a tile, in device pixels
    int Columns;
    int Rows;
    std::vector<QImage> Tiles; // a null tile is black
    std::vector<TPlaced> Placed; // over the tiles where not laid down, the latest on top
    mutable QImage Metrics;
};

} // namespace zorva

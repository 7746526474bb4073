#include "symbol_art.h"

#include "paint_kit.h"

#include <QDir>
#include <QPainter>

#include <array>

namespace zorva::bake {

namespace {

const std::array<const char*, 12> SymbolFiles{
    "symbol00_wild.svg",  "symbol01_seven.svg",  "symbol02_globe.svg",    "symbol03_diamond.svg",
    "symbol04_bell.svg",  "symbol05_dollar.svg", "symbol06_cherries.svg", "symbol07_planet.svg",
    "symbol08_comet.svg", "symbol09_moon.svg",   "symbol10_mystery.svg",  "symbol11_blank.svg",
};

// The order of symbols painted around the spinning strips: the paying symbols, evenly mixed.
constexpr std::array<int, 9> MotionOrder{1, 6, 2, 3, 0, 4, 5, 6, 3};

} // namespace

QImage SymbolIcon(const QString& svgFolder, int code, int size) {
    return RenderSvg(QDir(svgFolder).filePath(SymbolFiles.at(code)), QSize(size, size));
}

QImage SymbolCell(const QString& svgFolder, int code, int size) {
    // The art fills most of the cell; the margin leaves room for the shadow.
    const int art = qRound(size * 0.86);
    const int margin = (size - art) / 2;
    QImage layer = NewCanvas(size, size);
    {
        QPainter p(&layer);
        p.drawImage(margin, margin - 1, SymbolIcon(svgFolder, code, art));
    }
    QImage cell = NewCanvas(size, size, Qt::white);
    QPainter p(&cell);
    p.drawImage(
        0, 0, WithDropShadow(layer, QPointF(size / 40.0 + 0.5, size / 28.0 + 0.5), qMax(1, size / 40), 0.4));
    return cell;
}

QImage SymbolSheet(const QString& svgFolder, int size) {
    QImage sheet = NewCanvas(4 * size, 3 * size, Qt::white);
    QPainter p(&sheet);
    for (int code = 0; code < 12; ++code)
        p.drawImage((code % 4) * size, (code / 4) * size, SymbolCell(svgFolder, code, size));
    return sheet;
}

QImage MotionStrip(const QString& svgFolder, int size, int rows) {
    QImage strip = NewCanvas(size, rows, Qt::white);
    {
        QPainter p(&strip);
        const int cells = rows / size;
        for (int i = 0; i < cells; ++i) {
            const QImage cell = SymbolCell(svgFolder, MotionOrder[i % MotionOrder.size()], size);
            p.drawImage(QRect(0, i * size, size, size), cell);
        }
    }
    // Two passes of a wrapped box blur: a soft smear with no seam where the strip joins.
    return WrappedVerticalBlur(WrappedVerticalBlur(strip, size / 6), size / 6);
}

} // namespace zorva::bake

#include "mystery_art.h"

#include "paint_kit.h"

#include <QPainter>
#include <QRadialGradient>

namespace zorva::bake {

namespace {

void PaintBox(QPainter& p, const QRectF& cell, int index, bool lit) {
    // Each box has its own hue around the colour wheel; the plain box is a neutral plum.
    const QColor hue = index < 8 ? QColor::fromHsv(index * 45, 210, 235) : QColor(0x8a, 0x3c, 0xc8);
    // Unlit boxes are all the same dark glass; only the "?" keeps a hint of the box's colour.
    const QColor base = lit ? hue : QColor(0x2c, 0x1e, 0x58);
    p.fillRect(cell, Qt::black);
    const qreal inset = qMax(1.5, cell.width() * 0.05);
    const QRectF box = cell.adjusted(inset, inset, -inset, -inset);
    const qreal radius = cell.width() * 0.14;
    if (lit) {
        QRadialGradient glow(box.center(), cell.width() * 0.75);
        glow.setColorAt(0, QColor(255, 240, 160, 200));
        glow.setColorAt(1, QColor(255, 200, 60, 0));
        p.fillRect(cell, glow);
    }
    PaintGlossyPanel(p, box, radius, base, lit ? palette::GoldLight : QColor(0x50, 0x40, 0x30));
    p.setPen(QPen(lit ? palette::Gold : QColor(0x6a, 0x55, 0x2a), qMax(1.0, cell.width() / 30.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(2, 2, -2, -2), radius * 0.7, radius * 0.7);
    if (index < 8) {
        const QFont font = ArtFont(box.height() * 0.7);
        PaintEmbossedText(p, box, "?", font,
                          lit ? QColor(0xff, 0xf2, 0x60) : QColor::fromHsv(hue.hue(), 110, 150),
                          lit ? QColor(0x60, 0x20, 0x00) : QColor(0x20, 0x10, 0x08), cell.width() / 30.0);
    }
}

} // namespace

QImage MysteryArtwork(int cellWidth, int cellHeight) {
    QImage art = NewCanvas(9 * cellWidth, 2 * cellHeight, Qt::black);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 9; ++i) {
        PaintBox(p, QRectF(i * cellWidth, 0, cellWidth, cellHeight), i, true);
        PaintBox(p, QRectF(i * cellWidth, cellHeight, cellWidth, cellHeight), i, false);
    }
    return art;
}

} // namespace zorva::bake

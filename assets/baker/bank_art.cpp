#include "bank_art.h"

#include "bitmap_files.h"
#include "paint_kit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <climits>

namespace zorva::bake {

namespace {

QImage PaintChip(const QString& amount, QColor colour, int width, int height) {
    QImage chip = NewCanvas(width, height);
    QPainter p(&chip);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal edge = height * 0.14; // the chip's thickness, seen from above at an angle
    const QRectF top(1, 1, width - 2, height - 2 - edge);
    const QRectF bottom = top.translated(0, edge);
    p.setPen(QPen(colour.darker(260), 1));
    p.setBrush(colour.darker(170));
    p.drawEllipse(bottom);
    p.drawRect(QRectF(top.left(), top.center().y(), top.width(), edge));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(top.left() + 0.5, top.center().y(), top.width() - 1, edge + 1));
    p.setPen(QPen(colour.darker(260), 1));
    p.setBrush(colour);
    p.drawEllipse(top);
    // White inserts round the rim, as on a casino chip.
    const QRectF rimInner =
        top.adjusted(top.width() * 0.12, top.height() * 0.12, -top.width() * 0.12, -top.height() * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 8; ++i) {
        QPainterPath spot;
        spot.arcMoveTo(top, i * 45 + 10);
        spot.arcTo(top, i * 45 + 10, 20);
        spot.arcTo(rimInner, i * 45 + 30, -20);
        spot.closeSubpath();
        p.drawPath(spot);
    }
    const QRectF inner =
        top.adjusted(top.width() * 0.16, top.height() * 0.16, -top.width() * 0.16, -top.height() * 0.16);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(colour.lighter(115));
    p.drawEllipse(inner);
    p.setFont(ArtFont(amount.size() > 4 ? 10 : 12));
    p.setPen(Qt::white);
    p.drawText(inner.translated(0, 0.5), Qt::AlignCenter, amount);
    return chip;
}

} // namespace

QImage Chip(const QString& amount, QColor colour, int width, int height) {
    const QImage painted = PaintChip(amount, colour, width, height);
    // The outline is cut hard: a half-covered pixel is either chip or teal, never a teal blend.
    QImage solid = NewCanvas(width, height, ChipTransparentTeal);
    for (int y = 0; y < solid.height(); ++y)
        for (int x = 0; x < solid.width(); ++x) {
            const QRgb c = painted.pixel(x, y);
            if (qAlpha(c) >= 128)
                solid.setPixel(
                    x, y,
                    qRgb(qRed(c) * 255 / qAlpha(c), qGreen(c) * 255 / qAlpha(c), qBlue(c) * 255 / qAlpha(c)));
        }
    solid.setPixel(0, solid.height() - 1, ChipTransparentTeal.rgb());
    QImage indexed = Quantise(solid, 16, {ChipTransparentTeal.rgb()});
    // Keep teal for the background only: a chip pixel the quantiser put on teal moves to its nearest other
    // colour.
    const QList<QRgb> table = indexed.colorTable();
    const int teal = int(table.indexOf(ChipTransparentTeal.rgb()));
    for (int y = 0; y < solid.height(); ++y)
        for (int x = 0; x < solid.width(); ++x) {
            const bool background = solid.pixel(x, y) == ChipTransparentTeal.rgb();
            if (background) {
                indexed.setPixel(x, y, uint(teal));
                continue;
            }
            if (int(indexed.pixelIndex(x, y)) != teal)
                continue;
            const QRgb want = solid.pixel(x, y);
            int best = 0, bestDistance = INT_MAX;
            for (int i = 0; i < table.size(); ++i) {
                if (i == teal)
                    continue;
                const int d = qAbs(qRed(table[i]) - qRed(want)) + qAbs(qGreen(table[i]) - qGreen(want)) +
                              qAbs(qBlue(table[i]) - qBlue(want));
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            indexed.setPixel(x, y, uint(best));
        }
    return indexed;
}

QImage PyramidSquare(QColor colour, int size) {
    QImage square = NewCanvas(size, size, Qt::black);
    QPainter p(&square);
    const qreal bevel = size * 0.12;
    const QRectF outer(0, 0, size, size);
    const QRectF face = outer.adjusted(bevel, bevel, -bevel, -bevel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Four bevel faces, lit from the top left.
    auto quad = [&](QPointF a, QPointF b, QPointF c, QPointF d, QColor shade) {
        p.setBrush(shade);
        p.drawPolygon(QPolygonF{a, b, c, d});
    };
    quad(outer.topLeft(), outer.topRight(), face.topRight(), face.topLeft(), colour.lighter(160));
    quad(outer.topLeft(), face.topLeft(), face.bottomLeft(), outer.bottomLeft(), colour.lighter(125));
    quad(outer.topRight(), outer.bottomRight(), face.bottomRight(), face.topRight(), colour.darker(150));
    quad(outer.bottomLeft(), face.bottomLeft(), face.bottomRight(), outer.bottomRight(), colour.darker(200));
    QRadialGradient g(face.topLeft() + QPointF(face.width() * 0.3, face.height() * 0.3), face.width());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(125));
    p.setBrush(g);
    p.drawRect(face);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    return square;
}

} // namespace zorva::bake

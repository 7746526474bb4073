#include "panel_art.h"

#include "paint_kit.h"
#include "symbol_art.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>

namespace zorva::bake {

QImage BigButton(TButtonLook look, int width, int height) {
    QImage image = NewCanvas(width, height, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, width, height);
    // A chrome bezel, then the lit cap.
    p.setPen(Qt::NoPen);
    QLinearGradient bezel(r.topLeft(), r.bottomRight());
    bezel.setColorAt(0, QColor(0xf4, 0xf6, 0xfa));
    bezel.setColorAt(0.5, QColor(0x9a, 0xa3, 0xb8));
    bezel.setColorAt(1, QColor(0x3a, 0x40, 0x52));
    p.setBrush(bezel);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 14, 14);
    const QColor cap = look == TButtonLook::Spin   ? QColor(0x1c, 0xb8, 0x3a)
                       : look == TButtonLook::Stop ? QColor(0xe0, 0x1a, 0x24)
                                                   : QColor(0x5a, 0x10, 0x16);
    PaintGlossyPanel(p, r.adjusted(6, 6, -6, -6), 10, cap, QColor(0x10, 0x10, 0x18));
    const QString text = look == TButtonLook::Spin ? "SPIN" : "STOP";
    const QColor textColour =
        look == TButtonLook::StopDark ? QColor(0x90, 0x60, 0x60) : QColor(0xff, 0xff, 0xff);
    PaintEmbossedText(p, r.adjusted(6, 6, -6, -6), text, ArtFont(height * 0.38), textColour,
                      look == TButtonLook::StopDark ? QColor(0x20, 0x04, 0x06) : QColor(0x10, 0x20, 0x10),
                      1.5);
    return image;
}

QImage OptionButton(int width, int height) {
    // Mid-toned brass, so black, silver and white captions all read on it.
    QImage image = NewCanvas(width, height, Qt::black);
    QPainter p(&image);
    const QRect r(0, 0, width, height);
    p.fillRect(r, VerticalGradient(r, QColor(0xd2, 0xa8, 0x52), QColor(0x9a, 0x70, 0x26)));
    p.setPen(QColor(0xf4, 0xdc, 0x98));
    p.drawLine(0, 0, width - 1, 0);
    p.drawLine(0, 0, 0, height - 1);
    p.setPen(QColor(0x4a, 0x30, 0x08));
    p.drawLine(0, height - 1, width - 1, height - 1);
    p.drawLine(width - 1, 0, width - 1, height - 1);
    p.setPen(QColor(0x70, 0x50, 0x18));
    p.drawLine(1, height - 2, width - 2, height - 2);
    p.drawLine(width - 2, 1, width - 2, height - 2);
    return image;
}

namespace {

// Segments a to g of a seven-segment digit, each a slanted hexagon.
QPolygonF Segment(int segment, const QRectF& cell) {
    const qreal w = cell.width(), h = cell.height();
    const qreal t = w * 0.17; // segment thickness
    const qreal x0 = cell.left() + w * 0.16, x1 = cell.right() - w * 0.1;
    const qreal y0 = cell.top() + h * 0.07, y2 = cell.bottom() - h * 0.07, y1 = (y0 + y2) / 2;
    const qreal slant = w * 0.08; // the top leans right
    auto at = [&](qreal x, qreal y) { return QPointF(x + slant * (y2 - y) / (y2 - y0), y); };
    auto horizontal = [&](qreal y) {
        return QPolygonF{at(x0 + t * 0.6, y), at(x0 + t * 1.1, y - t / 2), at(x1 - t * 1.1, y - t / 2),
                         at(x1 - t * 0.6, y), at(x1 - t * 1.1, y + t / 2), at(x0 + t * 1.1, y + t / 2)};
    };
    auto vertical = [&](qreal x, qreal ya, qreal yb) {
        return QPolygonF{at(x, ya + t * 0.6), at(x + t / 2, ya + t * 1.1), at(x + t / 2, yb - t * 1.1),
                         at(x, yb - t * 0.6), at(x - t / 2, yb - t * 1.1), at(x - t / 2, ya + t * 1.1)};
    };
    const qreal left = x0 + t / 2, right = x1 - t / 2;
    switch (segment) {
    case 0:
        return horizontal(y0 + t / 2);
    case 1:
        return vertical(right, y0, y1);
    case 2:
        return vertical(right, y1, y2);
    case 3:
        return horizontal(y2 - t / 2);
    case 4:
        return vertical(left, y1, y2);
    case 5:
        return vertical(left, y0, y1);
    default:
        return horizontal(y1);
    }
}

// Which of segments a to g are lit for 0 to 9, then the minus sign.
constexpr std::array<const char*, 11> LitSegments{"abcdef", "bc",  "abdeg",   "abcdg",  "bcfg", "acdfg",
                                                  "acdefg", "abc", "abcdefg", "abcdfg", "g"};

} // namespace

QImage DigitStrip(int width, int glyphWidth, int glyphHeight, bool green) {
    QImage image = NewCanvas(width, glyphHeight, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor lit = green ? QColor(0x4d, 0xff, 0x5c) : QColor(0xff, 0xd2, 0x2a);
    const QColor core = green ? QColor(0xd8, 0xff, 0xd0) : QColor(0xff, 0xf6, 0xc8);
    // Unlit segments are only a hint, so a 1 never reads as an 8.
    const QColor ghost = green ? QColor(0x03, 0x10, 0x05) : QColor(0x12, 0x0c, 0x02);
    for (int glyph = 0; glyph < int(LitSegments.size()); ++glyph) {
        const QRectF cell(glyph * glyphWidth, 0, glyphWidth, glyphHeight);
        if (cell.right() > width)
            break;
        // A glow that reached the next cell would be copied with that digit, a sliver at its left.
        p.setClipRect(cell.adjusted(1, 0, -1, 0));
        for (int s = 0; s < 7; ++s) {
            const bool on =
                std::string_view(LitSegments[glyph]).find(char('a' + s)) != std::string_view::npos;
            const QPolygonF segment = Segment(s, cell);
            p.setPen(Qt::NoPen);
            if (!on) {
                if (glyph < 10) {
                    p.setBrush(ghost);
                    p.drawPolygon(segment);
                }
                continue;
            }
            // A soft halo around each lit segment, then the bright body and a hot core.
            p.setPen(QPen(QColor(lit.red(), lit.green(), lit.blue(), 70), glyphWidth * 0.14, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(lit);
            p.drawPolygon(segment);
            p.setPen(Qt::NoPen);
            p.setBrush(core);
            QPolygonF inner;
            const QPointF c = segment.boundingRect().center();
            for (const QPointF& pt : segment)
                inner << c + (pt - c) * 0.45;
            p.drawPolygon(inner);
        }
    }
    return image;
}

QImage AdjusterPair(int width, int height) {
    QImage image = NewCanvas(width, height, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int half = width / 2;
    for (int i = 0; i < 2; ++i) {
        const QRectF r(i * half, 0, half, height);
        const QRectF disc = r.adjusted(0.5, 0.5, -0.5, -0.5);
        QRadialGradient bezel(disc.topLeft() + QPointF(disc.width() * 0.3, disc.height() * 0.3),
                              disc.width());
        bezel.setColorAt(0, QColor(0xff, 0xff, 0xff));
        bezel.setColorAt(0.6, QColor(0x9a, 0xa3, 0xb8));
        bezel.setColorAt(1, QColor(0x30, 0x34, 0x44));
        p.setPen(Qt::NoPen);
        p.setBrush(bezel);
        p.drawEllipse(disc);
        const qreal inset = disc.width() * 0.13;
        const QRectF cap = disc.adjusted(inset, inset, -inset, -inset);
        const QColor base = i == 0 ? QColor(0x1c, 0xa8, 0x36) : QColor(0xd0, 0x1c, 0x24);
        QRadialGradient body(cap.topLeft() + QPointF(cap.width() * 0.35, cap.height() * 0.3),
                             cap.width() * 0.8);
        body.setColorAt(0, base.lighter(170));
        body.setColorAt(1, base.darker(150));
        p.setBrush(body);
        p.drawEllipse(cap);
        // The sign is drawn pixel-aligned so it stays sharp at 15 pixels.
        p.setRenderHint(QPainter::Antialiasing, false);
        const int cx = int(r.left() + half / 2), cy = height / 2;
        const int arm = qMax(2, half / 4), thick = qMax(1, half / 8);
        p.setBrush(Qt::white);
        p.drawRect(cx - arm, cy - thick / 2 - (thick > 1 ? 0 : 0), 2 * arm + 1, thick + (half < 20 ? 0 : 1));
        if (i == 0)
            p.drawRect(cx - thick / 2, cy - arm, thick + (half < 20 ? 0 : 1), 2 * arm + 1);
        p.setRenderHint(QPainter::Antialiasing);
    }
    return image;
}

QImage BonusIcons(const QString& svgFolder, int size) {
    QImage image = NewCanvas(size, 2 * size, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(0, 0, SymbolIcon(svgFolder, 2, size));
    p.drawImage(0, size, SymbolIcon(svgFolder, 5, size));
    return image;
}

QImage Logo(const QString& svgFolder, int width, int height) {
    QImage image = NewCanvas(width, height, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = width / 200.0;
    // A ringed planet rising behind the name.
    const QImage planet = SymbolIcon(svgFolder, 7, int(150 * s));
    QImage planetLayer = NewCanvas(width, height);
    {
        QPainter q(&planetLayer);
        q.drawImage(QPointF((width - DesignSize(planet).width()) / 2.0, 4 * s), planet);
    }
    p.drawImage(0, 0, planetLayer);
    const QRectF nameBox(0, 118 * s, width, 54 * s);
    QFont font = ArtFont(50 * s);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    PaintEmbossedText(p, nameBox, "ZORVA", font, palette::Gold, QColor(0x40, 0x10, 0x00), 2.2 * s);
    QFont small = ArtFont(26 * s);
    small.setLetterSpacing(QFont::PercentageSpacing, 150);
    PaintEmbossedText(p, QRectF(0, 172 * s, width, 36 * s), "SLOTS", small, QColor(0xff, 0x4a, 0x6a),
                      QColor(0x30, 0x00, 0x10), 1.6 * s);
    p.setPen(QPen(palette::Gold, 1.5 * s));
    p.drawLine(QPointF(18 * s, 213 * s), QPointF(width - 18 * s, 213 * s));
    return image;
}

} // namespace zorva::bake

#include "machine_face.h"

#include "paint_kit.h"

#include "art/program_art.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace zorva::bake {

namespace {

// One colour per payline, so a lit line and its number badges match.
const std::array<QColor, 8> LineColours{
    QColor(0xff, 0x3b, 0x3b), QColor(0xff, 0xb0, 0x1f), QColor(0x3c, 0xd0, 0x4a), QColor(0x2e, 0xd8, 0xe8),
    QColor(0x3a, 0x7b, 0xff), QColor(0xb0, 0x5c, 0xff), QColor(0xff, 0x5c, 0xc8), QColor(0xc8, 0xf0, 0x3a),
};

void PaintCabinet(QPainter& p, const TFaceLayout& f) {
    const QRectF body(1, 1, f.Width - 2, f.Height - 2);
    const qreal radius = f.SymbolSize / 4.0;
    p.setPen(QPen(palette::GoldDark, 2));
    p.setBrush(VerticalGradient(body, palette::CabinetTop, palette::CabinetBottom));
    p.drawRoundedRect(body, radius, radius);
    p.setPen(QPen(palette::Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(3.5, 3.5, -3.5, -3.5), radius - 3, radius - 3);
    // A soft sheen on the upper half of the cabinet, from the one light above.
    QLinearGradient sheen(0, 0, 0, f.Height / 2.0);
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(body.adjusted(5, 5, -5, -f.Height / 2.0), radius - 4, radius - 4);
}

void PaintBulbs(QPainter& p, const QRectF& r, qreal diameter) {
    const int across = int(r.width() / (diameter * 2.2));
    const qreal step = r.width() / across;
    for (int i = 0; i < across; ++i)
        for (qreal y : {r.top(), r.bottom()}) {
            const QPointF c(r.left() + step * (i + 0.5), y);
            QRadialGradient g(c - QPointF(diameter * 0.15, diameter * 0.15), diameter * 0.6);
            const bool lit = i % 2 == 0;
            g.setColorAt(0, lit ? QColor(255, 255, 230) : QColor(255, 220, 140));
            g.setColorAt(0.6, lit ? QColor(255, 214, 60) : QColor(200, 120, 20));
            g.setColorAt(1, lit ? QColor(190, 110, 0) : QColor(110, 50, 0));
            p.setBrush(g);
            p.setPen(Qt::NoPen);
            p.drawEllipse(c, diameter / 2, diameter / 2);
        }
}

void PaintMarquee(QPainter& p, const TFaceLayout& f) {
    const qreal s = f.SymbolSize / 64.0;
    const QRectF panel(f.WindowLeft - 8 * s, 6 * s, f.PitchX * 2 + f.WindowWidth + 16 * s,
                       f.WindowTop - 18 * s);
    p.setPen(QPen(palette::GoldDark, 2));
    p.setBrush(VerticalGradient(panel, palette::Marquee.lighter(130), palette::MarqueeDark));
    p.drawRoundedRect(panel, 6 * s, 6 * s);
    p.setPen(QPen(palette::Gold, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(2, 2, -2, -2), 5 * s, 5 * s);
    PaintBulbs(p, panel.adjusted(8 * s, 4.5 * s, -8 * s, -4.5 * s), 3.2 * s);
    QFont font = ArtFont(panel.height() * 0.62);
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    PaintEmbossedText(p, panel.adjusted(0, 1, 0, 0), "ZORVA", font, palette::Gold, QColor(0x40, 0x08, 0x00),
                      1.4 * s);
}

void PaintReelPanel(QPainter& p, const TFaceLayout& f) {
    const qreal s = f.SymbolSize / 64.0;
    const QRectF grid(f.WindowLeft, f.WindowTop, f.PitchX * 2 + f.WindowWidth, f.PitchY * 2 + f.WindowHeight);
    const QRectF panel = grid.adjusted(-9 * s, -9 * s, 9 * s, 9 * s);
    p.setPen(QPen(palette::Gold, 1.5));
    p.setBrush(VerticalGradient(panel, QColor(0x0c, 0x05, 0x24), QColor(0x1e, 0x10, 0x48)));
    p.drawRoundedRect(panel, 7 * s, 7 * s);
}

void PaintWindows(QPainter& p, const TFaceLayout& f) {
    const qreal s = f.SymbolSize / 64.0;
    for (int w = 0; w < 9; ++w) {
        const QRect glass = f.Glass(w);
        PaintChromeFrame(p, glass, qRound(5 * s), 3 * s);
        p.fillRect(glass, Qt::white);
    }
}

void PaintBadge(QPainter& p, QPointF centre, qreal diameter, int line) {
    const QColor c = LineColours[line - 1];
    QRadialGradient g(centre - QPointF(diameter * 0.2, diameter * 0.2), diameter * 0.7);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(0.5, c);
    g.setColorAt(1, c.darker(200));
    p.setPen(QPen(QColor(0x1a, 0x0a, 0x10), 1.2));
    p.setBrush(g);
    p.drawEllipse(centre, diameter / 2, diameter / 2);
    const QFont font = ArtFont(diameter * 0.72);
    p.setFont(font);
    const QRectF box(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(box.translated(0.6, 0.8), Qt::AlignCenter, QString::number(line));
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, QString::number(line));
}

// Numbered badges at both ends of each payline, as on a cabinet's glass.
void PaintPaylineBadges(QPainter& p, const TFaceLayout& f) {
    const qreal d = 16 * f.SymbolSize / 64.0;
    const qreal panelMargin = 9 * f.SymbolSize / 64.0;
    const qreal leftX = (5 + f.WindowLeft - panelMargin) / 2.0;
    const int gridRight = f.WindowLeft + 2 * f.PitchX + f.WindowWidth;
    const qreal rightX = (gridRight + panelMargin + f.Width - 5) / 2.0;
    const int gridBottom = f.WindowTop + 2 * f.PitchY + f.WindowHeight;
    const qreal topY = f.WindowTop + d * 0.55;
    const qreal bottomY = gridBottom - d * 0.55;
    for (int row = 0; row < 3; ++row) {
        const qreal y = f.WindowTop + row * f.PitchY + f.WindowHeight / 2.0;
        PaintBadge(p, {leftX, y}, d, row + 1);
        PaintBadge(p, {rightX, y}, d, row + 1);
    }
    const qreal columnY = (gridBottom + f.Height) / 2.0;
    for (int col = 0; col < 3; ++col)
        PaintBadge(p, {f.WindowLeft + col * f.PitchX + f.WindowWidth / 2.0, columnY}, d, col + 4);
    PaintBadge(p, {leftX, topY}, d, 7);
    PaintBadge(p, {rightX, bottomY}, d, 7);
    PaintBadge(p, {leftX, bottomY}, d, 8);
    PaintBadge(p, {rightX, topY}, d, 8);
}

} // namespace

QRect TFaceLayout::Glass(int wheel) const {
    // The large wheels are wiped white from 4 pixels left of their window, so their glass starts there.
    const int wipedLeft = SymbolSize == 64 ? 0 : 4;
    return Window(wheel).adjusted(-wipedLeft, 0, 0, 0);
}

QRect TFaceLayout::Cell(int wheel) const {
    // The resting symbol sits 14 (or 24) pixels below the window's top.
    const int drop = SymbolSize == 64 ? 14 : 24;
    return {WindowLeft + PitchX * (wheel % 3), WindowTop + drop + PitchY * (wheel / 3), SymbolSize,
            SymbolSize};
}

TFaceLayout SmallFace() {
    return {64, art::SmallFaceWidth, art::SmallFaceHeight, 49, 45, 81, 112, 64, 97};
}

TFaceLayout LargeFace() {
    return {96, art::LargeFaceWidth, art::LargeFaceHeight, 79, 70, 124, 173, 96, 150};
}

QImage MachineFace(const TFaceLayout& f) {
    QImage face = NewCanvas(f.Width, f.Height, Qt::black);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    PaintCabinet(p, f);
    PaintMarquee(p, f);
    PaintReelPanel(p, f);
    PaintPaylineBadges(p, f);
    PaintWindows(p, f);
    return face;
}

} // namespace zorva::bake

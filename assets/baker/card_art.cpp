#include "card_art.h"

#include "paint_kit.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace zorva::bake {

namespace {

constexpr int CardWidth = 73;
constexpr int CardHeight = 98;
const QColor CardRed(0xd0, 0x10, 0x1c);
const QColor CardBlack(0x10, 0x10, 0x18);

QPainterPath CardShape() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, CardWidth, CardHeight), 6, 6);
    return path;
}

// The outline is drawn without smoothing so that the AND/OR masking leaves no grey fringe.
void PaintCardOutline(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0, 0, CardWidth - 1, CardHeight - 1), 6, 6);
    p.restore();
}

QPainterPath SuitPath(int suit) {
    // Drawn in a 100 × 100 box.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    auto heart = [](QPainterPath& h) {
        h.moveTo(50, 92);
        h.cubicTo(20, 66, 2, 50, 4, 28);
        h.cubicTo(6, 8, 38, 2, 50, 26);
        h.cubicTo(62, 2, 94, 8, 96, 28);
        h.cubicTo(98, 50, 80, 66, 50, 92);
        h.closeSubpath();
    };
    switch (suit) {
    case 0: // clubs
        path.addEllipse(QPointF(50, 28), 22, 22);
        path.addEllipse(QPointF(26, 58), 22, 22);
        path.addEllipse(QPointF(74, 58), 22, 22);
        path.addRect(45, 40, 10, 30);
        path.moveTo(50, 58);
        path.lineTo(66, 96);
        path.lineTo(34, 96);
        path.closeSubpath();
        break;
    case 1:
        heart(path);
        break;
    case 2: // diamonds
        path.moveTo(50, 2);
        path.lineTo(88, 50);
        path.lineTo(50, 98);
        path.lineTo(12, 50);
        path.closeSubpath();
        break;
    default: { // spades: a heart upside down with a stem
        QPainterPath h;
        heart(h);
        QTransform flip;
        flip.translate(0, 86);
        flip.scale(1, -1);
        path.addPath(flip.map(h));
        path.moveTo(50, 56);
        path.lineTo(68, 98);
        path.lineTo(32, 98);
        path.closeSubpath();
    }
    }
    return path;
}

void PaintSuit(QPainter& p, const QRectF& box, int suit, bool upsideDown) {
    p.save();
    p.translate(box.center());
    if (upsideDown)
        p.rotate(180);
    p.scale(box.width() / 100.0, box.height() / 100.0);
    p.translate(-50, -50);
    const QColor colour = suit == 1 || suit == 2 ? CardRed : CardBlack;
    QLinearGradient g(0, 0, 100, 100);
    g.setColorAt(0, colour.lighter(colour == CardBlack ? 300 : 140));
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(SuitPath(suit));
    p.restore();
}

void PaintCourtHalf(QPainter& p, const QRectF& r, int court, bool red) {
    // court: 0 King, 1 Queen, 2 Jack. The figure is a bust facing out of the card.
    const QColor robe = red ? QColor(0xc8, 0x14, 0x20) : QColor(0x1e, 0x3c, 0xa8);
    const QColor trim(0xf0, 0xb8, 0x20);
    const QColor skin(0xff, 0xd8, 0xb0);
    const qreal cx = r.center().x();
    p.setPen(QPen(QColor(0x30, 0x20, 0x10), 0.8));
    // Shoulders and robe.
    QPainterPath body;
    body.moveTo(cx - 17, r.bottom());
    body.cubicTo(cx - 17, r.top() + 24, cx - 8, r.top() + 21, cx, r.top() + 21);
    body.cubicTo(cx + 8, r.top() + 21, cx + 17, r.top() + 24, cx + 17, r.bottom());
    body.closeSubpath();
    p.setBrush(robe);
    p.drawPath(body);
    p.setBrush(trim);
    p.drawRect(QRectF(cx - 2, r.top() + 22, 4, r.bottom() - r.top() - 22));
    // Hair behind the face.
    const QColor hair = court == 0   ? QColor(0xe8, 0xe8, 0xf0)
                        : court == 1 ? QColor(0xf0, 0xc0, 0x30)
                                     : QColor(0x8a, 0x4a, 0x18);
    p.setBrush(hair);
    if (court == 1)
        p.drawRoundedRect(QRectF(cx - 8.5, r.top() + 8, 17, 16), 5, 5);
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx, r.top() + 14), 6, 6.5);
    if (court == 0) { // beard
        p.setBrush(hair);
        QPainterPath beard;
        beard.moveTo(cx - 6, r.top() + 15);
        beard.quadTo(cx, r.top() + 27, cx + 6, r.top() + 15);
        beard.closeSubpath();
        p.drawPath(beard);
    }
    // Eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x40));
    p.drawEllipse(QPointF(cx - 2.2, r.top() + 13), 0.9, 0.9);
    p.drawEllipse(QPointF(cx + 2.2, r.top() + 13), 0.9, 0.9);
    p.setPen(QPen(QColor(0x30, 0x20, 0x10), 0.8));
    // Headwear: crown, tiara or cap.
    p.setBrush(court == 2 ? robe : trim);
    QPainterPath hat;
    if (court == 0) {
        hat.moveTo(cx - 7, r.top() + 9);
        hat.lineTo(cx - 7, r.top() + 2);
        hat.lineTo(cx - 3.5, r.top() + 5);
        hat.lineTo(cx, r.top() + 1);
        hat.lineTo(cx + 3.5, r.top() + 5);
        hat.lineTo(cx + 7, r.top() + 2);
        hat.lineTo(cx + 7, r.top() + 9);
        hat.closeSubpath();
    } else if (court == 1) {
        hat.moveTo(cx - 6, r.top() + 8);
        hat.quadTo(cx, r.top() + 1, cx + 6, r.top() + 8);
        hat.closeSubpath();
    } else {
        hat.moveTo(cx - 8, r.top() + 10);
        hat.quadTo(cx - 6, r.top() + 2, cx + 3, r.top() + 3);
        hat.quadTo(cx + 9, r.top() + 5, cx + 8, r.top() + 10);
        hat.closeSubpath();
    }
    p.drawPath(hat);
    p.setBrush(red ? QColor(0x20, 0x60, 0xe0) : QColor(0xe0, 0x20, 0x30));
    p.drawEllipse(QPointF(cx, r.top() + 6), 1.3, 1.3);
}

// Every card: a white face painted by the caller, the outline, and black outside the rounded shape.
template <typename Face> QImage PaintCard(Face face) {
    QImage card = NewCanvas(CardWidth, CardHeight, Qt::white);
    {
        QPainter p(&card);
        face(p);
        PaintCardOutline(p);
    }
    FillOutside(card, CardShape(), Qt::black);
    return card;
}

} // namespace

QImage CardBlank() {
    return PaintCard([](QPainter&) {});
}

QImage CardMask() {
    QImage mask = NewCanvas(CardWidth, CardHeight, Qt::black);
    FillOutside(mask, CardShape(), Qt::white);
    return mask;
}

QImage CardBack() {
    return PaintCard([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF field(5, 5, CardWidth - 10, CardHeight - 10);
        p.setPen(Qt::NoPen);
        p.setBrush(VerticalGradient(field, QColor(0x3a, 0x1c, 0x8a), QColor(0x16, 0x08, 0x40)));
        p.drawRoundedRect(field, 3, 3);
        // A gold lattice over the field, clipped to it.
        p.setClipRect(field);
        p.setPen(QPen(QColor(0xd8, 0xa0, 0x30, 150), 1));
        for (int k = -100; k < 200; k += 8) {
            p.drawLine(QPointF(k, 0), QPointF(k + 100, 100));
            p.drawLine(QPointF(k + 100, 0), QPointF(k, 100));
        }
        p.setClipping(false);
        p.setPen(QPen(palette::Gold, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);
        QRadialGradient glow(field.center(), 16);
        glow.setColorAt(0, QColor(0x20, 0x08, 0x50));
        glow.setColorAt(1, QColor(0x20, 0x08, 0x50, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(field.center(), 16, 16);
        PaintEmbossedText(p, QRectF(field.center() - QPointF(14, 14), QSizeF(28, 28)), "Z", ArtFont(26),
                          palette::Gold, QColor(0x30, 0x10, 0x00), 1);
    });
}

QImage CardJoker() {
    return PaintCard([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        // A jester's cap of three coloured points, each with a gold bell.
        const std::array<QColor, 3> colours{QColor(0xd0, 0x10, 0x20), QColor(0x20, 0x9a, 0x30),
                                            QColor(0x6a, 0x28, 0xc8)};
        const std::array<QPointF, 3> tips{QPointF(14, 30), QPointF(36.5, 18), QPointF(59, 30)};
        p.setPen(QPen(QColor(0x20, 0x10, 0x10), 1));
        for (int i = 0; i < 3; ++i) {
            QPainterPath point;
            point.moveTo(22 + i * 4, 58);
            point.quadTo((tips[i].x() + 36.5) / 2, 40, tips[i].x(), tips[i].y());
            point.quadTo(tips[i].x() * 0.3 + 36.5 * 0.7, 48, 51 - (2 - i) * 4, 58);
            point.closeSubpath();
            p.setBrush(colours[i]);
            p.drawPath(point);
        }
        for (const QPointF& tip : tips) {
            QRadialGradient bell(tip - QPointF(1, 1), 4);
            bell.setColorAt(0, palette::GoldLight);
            bell.setColorAt(1, palette::GoldDark);
            p.setBrush(bell);
            p.drawEllipse(tip, 3.5, 3.5);
        }
        p.setBrush(VerticalGradient(QRectF(18, 56, 37, 8), palette::Gold, palette::GoldDark));
        p.drawRoundedRect(QRectF(18, 56, 37, 7), 3, 3);
        // A grinning face under the cap.
        p.setBrush(QColor(0xff, 0xe0, 0xc0));
        p.drawEllipse(QPointF(36.5, 72), 9, 9);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(33, 70), 1, 1.2);
        p.drawEllipse(QPointF(40, 70), 1, 1.2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(31.5, 70, 10, 7), 200 * 16, 140 * 16);
        p.setPen(CardRed);
        p.setFont(ArtFont(10));
        p.drawText(QRectF(0, 3, CardWidth, 12), Qt::AlignCenter, "JOKER");
        p.save();
        p.translate(CardWidth, CardHeight);
        p.rotate(180);
        p.drawText(QRectF(0, 3, CardWidth, 12), Qt::AlignCenter, "JOKER");
        p.restore();
    });
}

QImage CourtPictures() {
    constexpr int w = 47, h = 74;
    QImage image = NewCanvas(3 * w, 2 * h, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int red = 0; red < 2; ++red)
        for (int court = 0; court < 3; ++court) {
            const QRectF frame(court * w, red * h, w, h);
            const QRectF half(frame.left(), frame.top() + 1, w, h / 2.0 - 1);
            p.save();
            p.setClipRect(half);
            PaintCourtHalf(p, half, court, red == 1);
            p.restore();
            // The lower half is the upper one turned round, as on a double-headed card.
            p.save();
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
            p.setClipRect(half);
            PaintCourtHalf(p, half, court, red == 1);
            p.restore();
            p.setPen(QPen(red ? CardRed : QColor(0x1e, 0x3c, 0xa8), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
            p.drawLine(QPointF(frame.left() + 3, frame.center().y()),
                       QPointF(frame.right() - 3, frame.center().y()));
        }
    return image;
}

QImage SuitSigns(int size) {
    QImage image = NewCanvas(4 * size, 2 * size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int suit = 0; suit < 4; ++suit) {
        PaintSuit(p, QRectF(suit * size, 0, size, size).adjusted(0.5, 0.5, -0.5, -0.5), suit, false);
        PaintSuit(p, QRectF(suit * size, size, size, size).adjusted(0.5, 0.5, -0.5, -0.5), suit, true);
    }
    return image;
}

QImage RankSigns(bool red) {
    const std::array<const char*, 13> ranks{"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    QImage image = NewCanvas(117, 28, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(red ? CardRed : CardBlack);
    const QFont font = ArtFont(14);
    for (int i = 0; i < 13; ++i) {
        QPainterPath text;
        text.addText(0, 0, font, ranks[i]);
        const QRectF box = text.boundingRect();
        // Every sign fills a 9 × 14 slot; "10" is squeezed to fit.
        const QRectF slot(i * 9 + 0.4, 1, 8.2, 12);
        const qreal sx = qMin(slot.width() / box.width(), slot.height() / box.height() * 1.0);
        const qreal sy = slot.height() / box.height();
        QTransform t;
        t.translate(slot.center().x(), slot.center().y());
        t.scale(sx, sy);
        t.translate(-box.center().x(), -box.center().y());
        p.drawPath(t.map(text));
        QTransform flipped;
        flipped.translate(slot.center().x(), 27 - slot.center().y() + 0);
        flipped.rotate(180);
        flipped.scale(sx, sy);
        flipped.translate(-box.center().x(), -box.center().y());
        p.drawPath(flipped.map(text));
    }
    return image;
}

} // namespace zorva::bake

#include "doublegames/bit_buttons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QPushButton>

#include "art/builtin_art.h"
#include "doublegames/form_style.h"
#include "platform/fonts.h"

namespace zorva {

namespace {

constexpr int PictureSize = 24;

// Draws on a transparent 24 × 24 picture.
template <typename Paint> QIcon Picture(Paint paint) {
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paint(painter);
    return QIcon(picture);
}

void PaintCard(QPainter& painter, const QRectF& place, const QColor& face) {
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.0));
    painter.setBrush(face);
    painter.drawRoundedRect(place, 2, 2);
}

} // namespace

QIcon OkButtonPicture() {
    return Picture([](QPainter& painter) {
        QPainterPath tick;
        tick.moveTo(4, 13);
        tick.lineTo(10, 19);
        tick.lineTo(21, 5);
        painter.setPen(QPen(QColor(0x10, 0x60, 0x10), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
        painter.setPen(QPen(QColor(0x30, 0xc0, 0x30), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
    });
}

QIcon HelpButtonPicture() {
    return Picture([](QPainter& painter) {
        painter.setPen(QPen(QColor(0x10, 0x30, 0x80), 1.0));
        painter.setBrush(QColor(0x30, 0x60, 0xd0));
        painter.drawEllipse(QRectF(1.5, 1.5, 21, 21));
        painter.setPen(Qt::white);
        painter.setFont(GameFontPixels(16, true));
        painter.drawText(QRect(0, 0, PictureSize, PictureSize), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon PyramidButtonPicture() {
    return Picture([](QPainter& painter) {
        const QImage square(QString::fromLatin1(art::pyramid::BlueBox.Path));
        constexpr int side = 11;
        for (const QPoint corner : {QPoint(6, 1), QPoint(0, 12), QPoint(12, 12)})
            painter.drawImage(QRect(corner, QSize(side, side)), square);
    });
}

QIcon CardGameButtonPicture() {
    return Picture([](QPainter& painter) {
        PaintCard(painter, QRectF(1.5, 1.5, 13, 18), QColor(0x40, 0x20, 0x70));
        PaintCard(painter, QRectF(8.5, 4.5, 13, 18), Qt::white);
        QPainterPath heart;
        heart.moveTo(15, 18);
        heart.cubicTo(10, 14, 11, 9, 13, 9);
        heart.cubicTo(14, 9, 15, 10, 15, 11);
        heart.cubicTo(15, 10, 16, 9, 17, 9);
        heart.cubicTo(19, 9, 20, 14, 15, 18);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ColourValue(colour::Red));
        painter.drawPath(heart);
    });
}

QPushButton* MakeBitBtn(QWidget* parent, const QString& text, const QIcon& picture, const QRect& place) {
    auto* button = new QPushButton(picture, text, parent);
    button->setGeometry(place);
    button->setIconSize(QSize(PictureSize, PictureSize));
    return button;
}

} // namespace zorva

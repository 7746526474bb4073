#include "doublegames/bit_buttons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPushButton>

#include "art/builtin_art.h"
#include "doublegames/form_style.h"
#include "platform/button_pictures.h"
#include "platform/picture_file.h"

namespace zorva {

namespace {

void PaintCard(QPainter& painter, const QRectF& place, const QColor& face) {
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.0));
    painter.setBrush(face);
    painter.drawRoundedRect(place, 2, 2);
}

} // namespace

QIcon PyramidButtonPicture() {
    return DrawnPicture(BitBtnPictureSize, [](QPainter& painter) {
        const QImage square = ReadBuiltinPicture(art::pyramid::BlueBox.Path);
        constexpr int side = 11;
        for (const QPoint corner : {QPoint(6, 1), QPoint(0, 12), QPoint(12, 12)})
            painter.drawImage(QRect(corner, QSize(side, side)), square);
    });
}

QIcon CardGameButtonPicture() {
    return DrawnPicture(BitBtnPictureSize, [](QPainter& painter) {
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
    button->setIconSize(QSize(BitBtnPictureSize, BitBtnPictureSize));
    return button;
}

} // namespace zorva

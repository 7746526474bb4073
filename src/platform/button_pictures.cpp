#include "platform/button_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QtMath>

#include "platform/fonts.h"

namespace zorva {

namespace {

constexpr double DesignSize = 24.0;

// A dark outline under a lighter stroke, so the mark stands out on any button face.
void Stroke(QPainter& painter, const QPainterPath& path, const QColor& dark, const QColor& light) {
    painter.setPen(QPen(dark, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(light, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

} // namespace

QIcon DrawnPicture(int size, const std::function<void(QPainter&)>& paint) {
    // Drawn at the screen's own pixels, so the picture stays sharp at 150 % and 200 %.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(qCeil(size * ratio), qCeil(size * ratio));
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(size / DesignSize, size / DesignSize);
    paint(painter);
    return QIcon(picture);
}

QIcon TickPicture(int size) {
    return DrawnPicture(size, [](QPainter& painter) {
        QPainterPath tick;
        tick.moveTo(4, 13);
        tick.lineTo(10, 19);
        tick.lineTo(21, 5);
        Stroke(painter, tick, QColor(0x10, 0x60, 0x10), QColor(0x30, 0xc0, 0x30));
    });
}

QIcon CrossPicture(int size) {
    return DrawnPicture(size, [](QPainter& painter) {
        QPainterPath cross;
        cross.moveTo(5, 5);
        cross.lineTo(19, 19);
        cross.moveTo(19, 5);
        cross.lineTo(5, 19);
        Stroke(painter, cross, QColor(0x70, 0x08, 0x08), QColor(0xe0, 0x20, 0x20));
    });
}

QIcon QuestionPicture(int size) {
    return DrawnPicture(size, [](QPainter& painter) {
        painter.setPen(QPen(QColor(0x10, 0x30, 0x80), 1.0));
        painter.setBrush(QColor(0x30, 0x60, 0xd0));
        painter.drawEllipse(QRectF(1.5, 1.5, 21, 21));
        painter.setPen(Qt::white);
        painter.setFont(GameFontPixels(16, true));
        painter.drawText(QRectF(0, 0, DesignSize, DesignSize), Qt::AlignCenter, QStringLiteral("?"));
    });
}

} // namespace zorva

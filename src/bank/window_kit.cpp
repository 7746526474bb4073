#include "bank/window_kit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <functional>

#include "platform/fonts.h"

namespace zorva {

namespace {

constexpr int IconSize = 16;

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap picture(IconSize, IconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(picture);
}

} // namespace

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

QIcon CheckMarkIcon() {
    return Drawn([](QPainter& p) {
        QPainterPath tick;
        tick.moveTo(2.5, 8.5);
        tick.lineTo(6.5, 12.5);
        tick.lineTo(13.5, 3.5);
        p.setPen(QPen(QColor(0, 128, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    });
}

QIcon CrossIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(200, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon QuestionIcon() {
    return Drawn([](QPainter& p) {
        p.setBrush(QColor(0, 0, 160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setPen(Qt::white);
        QFont font = GameFont(8, true);
        font.setPixelSize(12);
        p.setFont(font);
        p.drawText(QRectF(0, 0, IconSize, IconSize), Qt::AlignCenter, QStringLiteral("?"));
    });
}

} // namespace zorva

#include "mainwindow/focus_mark.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zorva {

TFocusMark::TFocusMark(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TFocusMark::Surround(const QRect& control, int outset) {
    if (control.isNull()) {
        hide();
        return;
    }
    setGeometry(control.adjusted(-outset, -outset, outset, outset));
    raise();
    show();
    update();
}

int TFocusMark::RoomAround(const QRect& control, const std::vector<QRect>& others) {
    int room = MostOut;
    for (const QRect& other : others) {
        if (other.isNull() || other == control)
            continue;
        // Pixels strictly between the two along each axis; negative where they overlap.
        const int across = std::max(other.left() - control.right(), control.left() - other.right()) - 1;
        const int down = std::max(other.top() - control.bottom(), control.top() - other.bottom()) - 1;
        const int gap = std::max(across, down);
        if (gap < 2 * MostOut)
            room = std::min(room, std::max(gap, 0) / 2);
    }
    return room;
}

// Cyan stands out from the black ground, the gold option buttons, the red and green buttons and
// the maroon card table. The ring is laid on whole device pixels, so it stays sharp at any scale.
void TFocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const int wide = static_cast<int>(std::lround(width() * ratio));
    const int high = static_cast<int>(std::lround(height() * ratio));
    const int ring = std::max(1, static_cast<int>(std::lround(Ring * ratio)));
    const QColor cyan(0, 255, 255);
    painter.fillRect(0, 0, wide, ring, cyan);
    painter.fillRect(0, high - ring, wide, ring, cyan);
    painter.fillRect(0, ring, ring, high - 2 * ring, cyan);
    painter.fillRect(wide - ring, ring, ring, high - 2 * ring, cyan);
}

} // namespace zorva

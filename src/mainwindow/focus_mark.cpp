#include "mainwindow/focus_mark.h"

#include <QPainter>

namespace zorva {

namespace {

constexpr int Ring = 3;
constexpr int Gap = 2;

} // namespace

TFocusMark::TFocusMark(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TFocusMark::Surround(const QRect& control) {
    if (control.isNull()) {
        hide();
        return;
    }
    const int out = Ring + Gap;
    setGeometry(control.adjusted(-out, -out, out, out));
    raise();
    show();
    update();
}

// Cyan stands out from the black ground, the gold option buttons and the red and green buttons.
void TFocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 255, 255), Ring, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal half = Ring / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace zorva

#include "mainwindow/image_control.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace zorva {

TImageControl::TImageControl(QWidget* parent, int tag, QImage picture)
    : QWidget(parent), Tag(tag), Picture(std::move(picture)) {
    setCursor(Qt::PointingHandCursor);
    resize(Picture.size());
}

void TImageControl::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, Picture);
}

void TImageControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && Clicked)
        Clicked(Tag);
}

// The second press of a double-click arrives here; it was counted as a click already, and counted
// again it would undo a toggle.
void TImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace zorva

#include "doublegames/pyramid_square.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "platform/sharp_pictures.h"

namespace zorva {

// Tab and the arrows reach a square; a click does not take the keyboard with it.
TSquare::TSquare(int tag, QWidget* parent) : QWidget(parent), Tag(tag) {
    setFocusPolicy(Qt::TabFocus);
}

void TSquare::ShowPicture(const QImage& picture) {
    Picture = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void TSquare::WriteText(const QString& text, const QFont& font, const QColor& colour, int left, int top) {
    QPainter painter(&Picture);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(left, top + painter.fontMetrics().ascent(), text);
    update();
}

void TSquare::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    DrawPicturePart(painter, event->rect().topLeft(), Picture, event->rect());
}

void TSquare::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!press || event->isAutoRepeat()) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (OnClick)
        OnClick(Tag);
}

// A click is a left press and release both on the square, as with any button.
void TSquare::mousePressEvent(QMouseEvent* event) {
    Pressed = event->button() == Qt::LeftButton;
}

void TSquare::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked =
        Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    Pressed = false;
    if (!clicked)
        return;
    GiveKeyboardToDefaultButton();
    if (OnClick)
        OnClick(Tag);
}

// After a click Enter means OK again, wherever Tab had left the ring: a slip of Enter must not
// turn another square and risk the stake.
void TSquare::GiveKeyboardToDefaultButton() {
    for (QPushButton* button : window()->findChildren<QPushButton*>())
        if (button->isDefault()) {
            button->setFocus(Qt::MouseFocusReason);
            return;
        }
}

} // namespace zorva

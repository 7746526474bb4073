#include "platform/game_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace zorva {

void TGameDialog::CentreOnScreen() {
    const QWidget* anchor = parentWidget() ? parentWidget() : this;
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TGameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zorva

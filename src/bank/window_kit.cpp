#include "bank/window_kit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zorva {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace zorva

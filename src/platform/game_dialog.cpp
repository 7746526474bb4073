#include "platform/game_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/dialog_placement.h"

namespace zorva {

TGameDialog::TGameDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    PlaceOverParent(this);
}

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

#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>

#include "platform/dialog_placement.h"
#include "platform/own_title_bar.h"

namespace zorva {

bool ShowMessageBox(TMessageKind kind, const std::string& text) {
    // A program without windows (a test tool) still tells its user.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::cerr << text << '\n';
        return false;
    }
    const QString title = QGuiApplication::applicationDisplayName();
    const QString message = QString::fromStdString(text);
    QMessageBox box(OwnerForBox());
    box.setWindowTitle(title);
    box.setText(message);
    switch (kind) {
    case TMessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case TMessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case TMessageKind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    PlaceOverParent(&box);
    FrameBoxWhereTitleBarsAreOurs(&box);
    return box.exec() == QMessageBox::Yes;
}

} // namespace zorva

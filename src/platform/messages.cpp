#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>

namespace zorva {

bool ShowMessageBox(TMessageKind kind, const std::string& text) {
    // A program without windows (a test tool) still tells its user.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::cerr << text << '\n';
        return false;
    }
    QWidget* parent = QApplication::activeWindow();
    const QString title = QGuiApplication::applicationDisplayName();
    const QString message = QString::fromStdString(text);
    switch (kind) {
    case TMessageKind::Error:
        QMessageBox::critical(parent, title, message);
        return false;
    case TMessageKind::Information:
        QMessageBox::information(parent, title, message);
        return false;
    case TMessageKind::Question:
        return QMessageBox::question(parent, title, message, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }
    return false;
}

} // namespace zorva

#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <iostream>
#include <utility>

namespace zorva {

namespace {

TMessageHook& Hook() {
    static TMessageHook hook;
    return hook;
}

bool Show(TMessageKind kind, const std::string& text) {
    if (Hook()) {
        return Hook()(kind, text);
    }
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

} // namespace

void ShowError(const std::string& text) {
    Show(TMessageKind::Error, text);
}

void ShowInformation(const std::string& text) {
    Show(TMessageKind::Information, text);
}

bool AskYesNo(const std::string& text) {
    return Show(TMessageKind::Question, text);
}

void SetMessageHook(TMessageHook hook) {
    Hook() = std::move(hook);
}

} // namespace zorva

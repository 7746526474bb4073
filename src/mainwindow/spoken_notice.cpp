#include "mainwindow/spoken_notice.h"

#include <utility>

namespace zorva {

TSpokenNotice::TSpokenNotice(QWidget& window, QString text) : QWidget(&window), Text(std::move(text)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void TNoticeBoard::Say(const QString& text) {
    if (text.isEmpty())
        return;
    if (Last)
        delete Last.data();
    Last = new TSpokenNotice(Window, text);
    Last->show();
}

} // namespace zorva

#include "platform/spoken_notice.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QTimer>
#include <utility>

namespace zorva {

namespace {

// A line to be spoken as it is shown; it has no place of its own among the window's controls.
// Like a desktop notification it stands directly under the application: a notification inside a
// dialog Orca speaks after the dialog's title and labels all over again.
class TSpokenNoticeAccessible : public QAccessibleWidget {
  public:
    explicit TSpokenNoticeAccessible(TSpokenNotice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const TSpokenNotice*>(widget())->Text : QString();
    }
};

QAccessibleInterface* NoticeFactory(const QString&, QObject* object) {
    if (auto* notice = dynamic_cast<TSpokenNotice*>(object))
        return new TSpokenNoticeAccessible(notice);
    return nullptr;
}

} // namespace

TSpokenNotice::TSpokenNotice(QWidget& window, QString text) : QWidget(&window), Text(std::move(text)) {
    static const bool installed = [] {
        QAccessible::installFactory(NoticeFactory);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void TNoticeBoard::Say(const QString& text) {
    if (text.isEmpty())
        return;
    if (Pending.isEmpty())
        QTimer::singleShot(0, &Window, [this] { Flush(); });
    Pending << text;
}

void TNoticeBoard::Flush() {
    if (Pending.isEmpty())
        return;
    Shown = Pending.join(QLatin1Char(' '));
    Pending.clear();
    for (const QPointer<TSpokenNotice>& notice : Recent)
        if (notice)
            notice->hide();
    constexpr std::size_t Kept = 8;
    while (Recent.size() >= Kept) {
        delete Recent.front().data();
        Recent.pop_front();
    }
    Recent.push_back(new TSpokenNotice(Window, Shown));
    Recent.back()->show();
}

} // namespace zorva

#include "platform/spoken_notice.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
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

// Holds what is said until its window is active, then says it as one line; one per window.
class TWaitingNotice : public QObject {
  public:
    explicit TWaitingNotice(QWidget& window) : QObject(&window), Board(window) {
        window.installEventFilter(this);
    }

    // A player away from the window while auto spin runs comes back to the latest lines only.
    static constexpr qsizetype Kept = 3;
    QStringList Lines;

    void Add(const QString& text) {
        Lines << text;
        if (Lines.size() > Kept)
            Lines.remove(0, Lines.size() - Kept);
    }
    void SayNow() {
        Board.Say(Lines.join(QLatin1Char(' ')));
        Lines.clear();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && !Lines.isEmpty())
            SayNow();
        return false;
    }

  private:
    TNoticeBoard Board;
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

void SayWhenActive(QWidget& window, const QString& text) {
    TWaitingNotice* waiting = nullptr;
    for (QObject* child : window.children())
        if ((waiting = dynamic_cast<TWaitingNotice*>(child)) != nullptr)
            break;
    if (waiting == nullptr)
        waiting = new TWaitingNotice(window);
    waiting->Add(text);
    if (window.isActiveWindow())
        waiting->SayNow();
}

} // namespace zorva

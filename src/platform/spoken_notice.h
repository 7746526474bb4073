#pragma once
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>

namespace zorva {

// A line for a screen reader to speak as it happens. Orca speaks an object of role notification
// when it becomes showing, whether or not it has the focus; a status line's changing text it
// speaks only when the player caused the change there. Each line is a fresh hidden child of the
// window, a pixel in size, shown once.
class TSpokenNotice : public QWidget {
  public:
    explicit TSpokenNotice(QWidget& window, QString text);

    const QString Text;
};

// Says text through a new notice. What is said in one turn of the event loop is one notice, so
// that an outcome and the credits it leaves are heard as one sentence. A notice stays a while
// after the next one is shown, hidden: the screen reader reads its name some time after the event.
class TNoticeBoard {
  public:
    explicit TNoticeBoard(QWidget& window) : Window(window) {}
    void Say(const QString& text);
    // Shows what is waiting to be said now rather than at the next turn of the event loop.
    void Flush();
    // The last text shown or waiting to be, whole.
    QString LastSaid() const { return Pending.isEmpty() ? Shown : Pending.join(QLatin1Char(' ')); }

  private:
    QWidget& Window;
    QStringList Pending;
    QString Shown;
    std::deque<QPointer<TSpokenNotice>> Recent;
};

// Says text on the window the next time it becomes active, or at once if it is active; what is
// said meanwhile follows it in the same line, the last three lines at most. A dialog's last words are for the window below:
// Orca stops speaking when a window closes.
void SayWhenActive(QWidget& window, const QString& text);

} // namespace zorva

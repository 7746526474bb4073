#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

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

// Says text through a new notice, taking the last one away first.
class TNoticeBoard {
  public:
    explicit TNoticeBoard(QWidget& window) : Window(window) {}
    void Say(const QString& text);

  private:
    QWidget& Window;
    QPointer<TSpokenNotice> Last;
};

} // namespace zorva

#pragma once
#include <QApplication>
#include <QEvent>
#include <QStringList>

#include "platform/spoken_notice.h"

namespace zorva::testing {

// Every notice shown while it lives, in order: each is one utterance of the screen reader. Qt
// sends no accessibility events on the offscreen platform (QAccessible::isActive() stays false
// without a bridge), so the notices are caught as they are shown.
class TSpokenNotices : public QObject {
  public:
    TSpokenNotices() { qApp->installEventFilter(this); }

    QStringList Spoken;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (const auto* notice = dynamic_cast<const TSpokenNotice*>(watched))
                Spoken << notice->Text;
        return false;
    }
};

} // namespace zorva::testing

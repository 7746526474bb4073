#include "platform/hint_style.h"

#include <QApplication>
#include <QProxyStyle>

namespace zorva {

namespace {

class THintStyle : public QProxyStyle {
  public:
    explicit THintStyle(int pause) : Pause(pause) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return Pause;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

  private:
    int Pause;
};

} // namespace

void SetHintPause(int milliseconds) {
    // The application owns the style from here on.
    QApplication::setStyle(new THintStyle(milliseconds));
}

} // namespace zorva

#pragma once
#include <QWidget>

namespace zorva {

// The ring drawn round the control that has the keyboard's focus. It is a small widget of its
// own over the window, so the canvas underneath stays exactly what the machine painted.
class TFocusMark : public QWidget {
  public:
    explicit TFocusMark(QWidget* window);

    // Rings the rectangle (in the window's coordinates); a null rectangle hides the ring.
    void Surround(const QRect& control);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorva

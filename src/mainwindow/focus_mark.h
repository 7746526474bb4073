#pragma once
#include <QWidget>
#include <vector>

namespace zorva {

// The ring drawn round the control that has the keyboard's focus. It is a small widget of its
// own over the window, so the canvas underneath stays exactly what the machine painted.
class TFocusMark : public QWidget {
  public:
    static constexpr int Ring = 3;     // the ring's width
    static constexpr int MostOut = 5;  // how far the ring stands out round a control with room to spare

    explicit TFocusMark(QWidget* window);

    // Rings the rectangle (in the window's coordinates), standing out from it by outset pixels;
    // at 0 the ring lies on the control's own edge. A null rectangle hides the ring.
    void Surround(const QRect& control, int outset = MostOut);

    // How far a ring may stand out round the control without reaching into any of the others:
    // half the gap to the nearest one, at most MostOut, 0 for controls that touch.
    static int RoomAround(const QRect& control, const std::vector<QRect>& others);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorva

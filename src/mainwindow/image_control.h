#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

namespace zorva {

// A picture on the window that answers a click of the left button: the logo and each option button.
class TImageControl : public QWidget {
  public:
    TImageControl(QWidget* parent, int tag, QImage picture);

    const int Tag;
    QImage Picture;
    std::function<void(int tag)> Clicked;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace zorva

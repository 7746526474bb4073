#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

namespace zorva {

// One square of the Pyramid: a picture control with its own 64 × 64 canvas, told apart from the
// others by its tag.
class TSquare : public QWidget {
  public:
    TSquare(int tag, QWidget* parent);

    int Tag;
    QImage Picture;
    std::function<void(int tag)> OnClick;

    // Shows the picture and writes text on it with a transparent background at left, top.
    void ShowPicture(const QImage& picture);
    void WriteText(const QString& text, const QFont& font, const QColor& colour, int left, int top);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space or Enter turns the square that has the keyboard's focus; Enter does not reach OK.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool Pressed = false;
    void GiveKeyboardToDefaultButton();
};

} // namespace zorva

#pragma once
#include <QDialog>

class QKeyEvent;
class QPainter;

namespace zorva {

// A window the game opens over the machine: F1 opens its chapter of the manual, and it opens in
// the middle of the screen the machine is on, or over the machine where the compositor places it.
// Where the game draws the title bars, a window of fixed size gets its own and keeps its controls
// and drawing on a face below it, in the same coordinates as without it.
class TGameDialog : public QDialog {
  public:
    void setVisible(bool visible) override;

  protected:
    explicit TGameDialog(QWidget* parent, Qt::WindowFlags flags = {});

    // Opens this window's chapter of the manual.
    virtual void ShowHelp() = 0;
    // Call once the window has its size. On Wayland the compositor places windows and this does nothing.
    void CentreOnScreen();
    void keyPressEvent(QKeyEvent* event) override;

    // What the window paints under its controls, in the coordinates its controls are placed in.
    virtual void PaintFace(QPainter&) {}
    // The widget the controls sit on and the painting goes to: the window, or the part of it
    // below a title bar of the game's own.
    QWidget* Face();
    const QWidget* Face() const;
    void paintEvent(QPaintEvent* event) override;

  private:
    friend class TDialogFace;
    void MoveOntoFace();

    QWidget* FaceWidget = nullptr;
    bool FrameChosen = false;
};

} // namespace zorva

#pragma once
#include <QDialog>

class QKeyEvent;

namespace zorva {

// A window the game opens over the machine: F1 opens its chapter of the manual, and it opens in
// the middle of the screen the machine is on, or over the machine where the compositor places it.
class TGameDialog : public QDialog {
  protected:
    explicit TGameDialog(QWidget* parent, Qt::WindowFlags flags = {});

    // Opens this window's chapter of the manual.
    virtual void ShowHelp() = 0;
    // Call once the window has its size. On Wayland the compositor places windows and this does nothing.
    void CentreOnScreen();
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace zorva

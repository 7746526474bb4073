#include <QApplication>
#include <QKeyEvent>
#include <optional>

#include "app/unit1.h"

namespace zorva {

namespace {

// The keys of the zoom and of full screen, as browsers and viewers have them: Ctrl with plus (or
// the equals key it shares on many keyboards), minus and 0, whether from the main keys or the pad.
std::optional<TZoomStep> ZoomStepOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held != Qt::ControlModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return TZoomStep::In;
    case Qt::Key_Minus:
        return TZoomStep::Out;
    case Qt::Key_0:
        return TZoomStep::Fit;
    default:
        return std::nullopt;
    }
}

} // namespace

bool TForm1::DisplayKey(const QKeyEvent& event) {
    if (const std::optional<TZoomStep> step = ZoomStepOf(event)) {
        if (ZoomRequested)
            ZoomRequested(*step);
        return true;
    }
    if (event.key() == Qt::Key_F11 && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const bool on = !isFullScreen();
        ShowFullScreen(on);
        if (FullScreenSwitched)
            FullScreenSwitched(on);
        return true;
    }
    return false;
}

// Full screen lifts the unmaximised window's fixed size: the window system gives a full-screen
// window the screen's size, and the design stands at its place with black around it.
void TForm1::ShowFullScreen(bool on) {
    if (on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        return;
    }
    showNormal();
    PlaceWindow(OpensMaximised());
    ShowAsDesigned();
}

bool TForm1::AtRest() const {
    return !Busy() && !Machine.TimerEnabled(TimerId::Timer1) && QApplication::activeModalWidget() == nullptr;
}

} // namespace zorva

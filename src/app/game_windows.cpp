#include "app/game_windows.h"

#include "platform/help_viewer.h"

#include <QApplication>
#include <QTimer>
#include <cmath>

#include "platform/window_zoom.h"

namespace zorva {

TGameWindows::TGameWindows(const QString& programFolder, TSoundBackend& sound, TClock& clock,
                           TDesktop& desktop, int screenWidth, int screenHeight)
    : ProgramFolder(programFolder), Sound(sound), Clock(clock), Desktop(desktop), ScreenWidth(screenWidth),
      ScreenHeight(screenHeight), SettingsPath(DisplaySettingsPathBeside(desktop.SavedGameFilePath())),
      Settings(ReadDisplaySettings(SettingsPath)), Zoom_(ZoomFor(Settings, screenWidth, screenHeight)) {}

void TGameWindows::Open() {
    Make(nullptr);
}

void TGameWindows::Make(const TGameSession* carried) {
    Form_ = std::make_unique<TForm1>(ProgramFolder, Sound, Clock, Desktop, carried);
    Form_->ZoomRequested = [this](TZoomStep step) { StepZoom(step); };
    Form_->FullScreenSwitched = [this](bool on) { KeepFullScreen(on); };
    if (Made)
        Made(*Form_);
    if (Settings.FullScreen)
        Form_->ShowFullScreen(true);
    else
        Form_->ShowAsDesigned();
}

// Mid-spin, with a game window open or the chaser waiting for Stop, closing would settle what is
// under way: the keys do nothing then.
void TGameWindows::StepZoom(TZoomStep step) {
    if (!Form_->AtRest())
        return;
    const double zoom = SteppedZoom(Zoom_, step, ScreenWidth, ScreenHeight);
    // Ctrl+0 keeps following the screen; a step keeps the zoom the player chose.
    Settings.Zoom = step == TZoomStep::Fit ? 0 : zoom;
    WriteDisplaySettings(SettingsPath, Settings);
    if (std::abs(zoom - Zoom_) < 1e-6)
        return;
    Zoom_ = zoom;
    // Not from inside the window's own key handler, which is about to return into it.
    QTimer::singleShot(0, qApp, [this] { Remake(); });
}

void TGameWindows::Remake() {
    const TGameSession game = Form_->Session;
    const QUrl manual = CloseHelp();
    // Closing the only window would end the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    Form_->close();
    Form_.reset();
    ApplyZoom(Zoom_);
    Make(&game);
    if (!manual.isEmpty())
        ShowHelpPage(manual, Form_.get());
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

void TGameWindows::KeepFullScreen(bool on) {
    Settings.FullScreen = on;
    WriteDisplaySettings(SettingsPath, Settings);
}

} // namespace zorva

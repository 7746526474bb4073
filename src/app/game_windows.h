#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/unit1.h"
#include "platform/zoom.h"

namespace zorva {

// The game's window at the player's zoom. Qt takes a new zoom only while no window exists, so
// another zoom closes the window (which saves the game), makes it anew at the new zoom with the
// game carried over as it was, and shows it where the old one stood: a blink, where the other way,
// a zoom that waits for the next start, would leave the player wondering whether the key worked.
class TGameWindows {
  public:
    // screenWidth and screenHeight: the screen at the desktop's own scale, before any zoom.
    TGameWindows(const QString& programFolder, TSoundBackend& sound, TClock& clock, TDesktop& desktop,
                 int screenWidth, int screenHeight);

    // The zoom the player's settings ask for on this screen; set it (ApplyZoom) before Open.
    double Zoom() const { return Zoom_; }
    // Makes the window and shows it as the player left it, full screen or as designed.
    void Open();
    TForm1& Form() { return *Form_; }
    // False while the window is being made, the first time or anew.
    bool HasForm() const { return Form_ != nullptr; }
    // Called for each window made, the first included, before it is shown.
    std::function<void(TForm1&)> Made;

  private:
    QString ProgramFolder;
    TSoundBackend& Sound;
    TClock& Clock;
    TDesktop& Desktop;
    int ScreenWidth;
    int ScreenHeight;
    std::string SettingsPath;
    TDisplaySettings Settings;
    double Zoom_;
    std::unique_ptr<TForm1> Form_;

    void Make(const TGameSession* carried);
    void StepZoom(TZoomStep step);
    void Remake();
    void KeepFullScreen(bool on);
};

} // namespace zorva

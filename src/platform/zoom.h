#pragma once
#include <string>

namespace zorva {

// The design fills a screen of 1024 × 768; on a larger one the game lays the machine out for the
// screen divided by a zoom and draws it that many times larger. The fit zoom keeps the logical
// screen at least that size both ways, so the large machine, a title bar and a panel still fit.
inline constexpr int DesignedScreenWidth = 1024;
inline constexpr int DesignedScreenHeight = 768;

// The largest zoom that keeps a screen of this size (logical pixels of the desktop) at least
// 1024 × 768, never below 1.
double FitZoom(int screenWidth, int screenHeight);

// The zoom the player's keys step through, a quarter at a time from 1 up to the fit zoom, which is
// the last step whatever fraction it is.
enum class TZoomStep { In, Out, Fit };
double SteppedZoom(double zoom, TZoomStep step, int screenWidth, int screenHeight);

// The player's choice of how the window is shown, kept in a small file of its own beside the
// saved game. A zoom of 0 follows the screen (the fit zoom); any other is kept within 1 and the fit.
struct TDisplaySettings {
    double Zoom = 0;
    bool FullScreen = false;
};
inline constexpr const char* DisplaySettingsFileName = "Display.ini";
// Display.ini in the saved game's folder.
std::string DisplaySettingsPathBeside(const std::string& savedGamePath);

TDisplaySettings ReadDisplaySettings(const std::string& path);
// False when the file could not be written; the choice then holds for this run only.
bool WriteDisplaySettings(const std::string& path, const TDisplaySettings& settings);

// The zoom the settings ask for on this screen.
double ZoomFor(const TDisplaySettings& settings, int screenWidth, int screenHeight);

} // namespace zorva

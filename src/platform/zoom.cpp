#include "platform/zoom.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/config_file.h"
#include "platform/profile_file.h"

namespace zorva {

namespace {

constexpr double ZoomStepSize = 0.25;
// Below this two zooms draw the same picture: a step never lands this close to where it started.
constexpr double ZoomTolerance = 1e-6;
constexpr const char* Section = "Display";
constexpr const char* ZoomKey = "Zoom";
constexpr const char* FullScreenKey = "FullScreen";
constexpr const char* FitValue = "Fit";

} // namespace

double FitZoom(int screenWidth, int screenHeight) {
    if (screenWidth <= 0 || screenHeight <= 0)
        return 1.0;
    const double zoom = std::min(static_cast<double>(screenWidth) / DesignedScreenWidth,
                                 static_cast<double>(screenHeight) / DesignedScreenHeight);
    return std::max(zoom, 1.0);
}

double SteppedZoom(double zoom, TZoomStep step, int screenWidth, int screenHeight) {
    const double fit = FitZoom(screenWidth, screenHeight);
    switch (step) {
    case TZoomStep::Fit:
        return fit;
    case TZoomStep::In:
        return std::min(std::floor(zoom / ZoomStepSize + ZoomTolerance) * ZoomStepSize + ZoomStepSize, fit);
    case TZoomStep::Out:
        return std::max(std::ceil(zoom / ZoomStepSize - ZoomTolerance) * ZoomStepSize - ZoomStepSize, 1.0);
    }
    return zoom;
}

std::string DisplaySettingsPathBeside(const std::string& savedGamePath) {
    const std::size_t slash = savedGamePath.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : savedGamePath.substr(0, slash + 1);
    return folder + DisplaySettingsFileName;
}

TDisplaySettings ReadDisplaySettings(const std::string& path) {
    TDisplaySettings settings;
    const TFileContents file = ReadWholeFile(path);
    if (file.State != TFileState::Read)
        return settings;
    const TProfileFile profile = TProfileFile::Parse(file.Text);
    // Written with a point whatever the locale, and read the same way.
    if (const auto zoom = profile.GetString(Section, ZoomKey)) {
        double value = 0;
        const auto [end, error] = std::from_chars(zoom->data(), zoom->data() + zoom->size(), value);
        if (error == std::errc() && end == zoom->data() + zoom->size() && std::isfinite(value) &&
            value >= 1.0)
            settings.Zoom = value;
    }
    if (const auto fullScreen = profile.GetString(Section, FullScreenKey))
        settings.FullScreen = *fullScreen == "1";
    return settings;
}

bool WriteDisplaySettings(const std::string& path, const TDisplaySettings& settings) {
    const TFileContents file = ReadWholeFile(path);
    TProfileFile profile = TProfileFile::Parse(file.State == TFileState::Read ? file.Text : std::string());
    if (settings.Zoom >= 1.0) {
        char text[32];
        const auto [end, error] = std::to_chars(text, text + sizeof text, settings.Zoom);
        profile.SetString(Section, ZoomKey, std::string_view(text, error == std::errc() ? end - text : 0));
    } else {
        profile.SetString(Section, ZoomKey, FitValue);
    }
    profile.SetString(Section, FullScreenKey, settings.FullScreen ? "1" : "0");
    return ReplaceFileAtomically(path, profile.Serialise());
}

double ZoomFor(const TDisplaySettings& settings, int screenWidth, int screenHeight) {
    const double fit = FitZoom(screenWidth, screenHeight);
    return settings.Zoom >= 1.0 ? std::min(settings.Zoom, fit) : fit;
}

} // namespace zorva

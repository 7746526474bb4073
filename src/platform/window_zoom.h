#pragma once

namespace zorva {

// The desktop's own scale as the player started the game with it (QT_SCALE_FACTOR), 1 without it.
double DesktopScaleFactor();

// Draws every window of the application zoom times larger than the desktop's scale, at the device's
// resolution: the screens' logical sizes shrink by the zoom and their device pixel ratios grow by it.
// Qt takes a new scale well only while no window exists, so it is set before the first one is made
// and again only between closing the game's window and making it anew.
void ApplyZoom(double zoom);

} // namespace zorva

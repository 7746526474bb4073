#pragma once
#include <optional>

class QWidget;

namespace zorva {

// Asks the compositor to treat a modal window as a dialog of its parent, so that GNOME places it
// over the machine as KWin and Sway do; GNOME leaves a Wayland window it takes for an ordinary
// one at the top left. Call before the window is shown. On every desktop, a dialog of fixed size
// is kept from being maximised or put full screen.
void PlaceOverParent(QWidget* dialog);

// The window a message box or question belongs to: the modal window in front, else the active
// window, else the machine; never none while a window is open, or the box would have no parent.
QWidget* OwnerForBox();

// True where the game draws the title bars of its fixed-size windows: on a Wayland compositor that
// draws none itself (GNOME, Weston), where Qt's own would offer minimise and maximise.
bool TitleBarsAreOurs();
// Tests choose; nullopt goes back to asking the compositor.
void ChooseTitleBarsForTesting(std::optional<bool> ours);

} // namespace zorva

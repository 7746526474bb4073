#pragma once

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

} // namespace zorva

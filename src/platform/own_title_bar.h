#pragma once
#include <QMargins>

class QWidget;

namespace zorva {

// The room a window that draws its own title bar keeps for it, and for its thin border.
QMargins OwnFrameMargins();

// Makes a hidden window frameless and draws its title bar (title, a close button, dragging moves
// the window) and border over its edges, within OwnFrameMargins(). The content must keep clear of
// them.
void DrawOwnFrame(QWidget* window);

// A box laid out by Qt (a message box) gets its own frame where the game draws the title bars:
// its layout moves in by the frame's margins.
void FrameBoxWhereTitleBarsAreOurs(QWidget* box);

} // namespace zorva

#pragma once
#include <QImage>

namespace zorva::bake {

// Nine boxes side by side, each cellWidth wide: the lit look over the unlit look.
// Boxes 0 to 7 carry a "?", box 8 is plain for the revealed prizes.
QImage MysteryArtwork(int cellWidth, int cellHeight);

} // namespace zorva::bake

#pragma once
#include <QIcon>

namespace zorva {

// The pictures on the buttons that switch to the other game: a small pyramid of squares, and a
// pair of cards.
QIcon PyramidButtonPicture();
QIcon CardGameButtonPicture();

} // namespace zorva

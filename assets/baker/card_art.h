#pragma once
#include <QImage>

namespace zorva::bake {

QImage CardBlank(); // white face, black outline, black beyond the corners
QImage CardMask();  // black over the card, white beyond the corners
QImage CardBack();
QImage CardJoker();
QImage CourtPictures();     // King, Queen, Jack across; black suits over red suits
QImage SuitSigns(int size); // clubs, hearts, diamonds, spades; upright over upside down
QImage RankSigns(bool red); // A 2 .. 10 J Q K, 9 pixels apart; upright over upside down

} // namespace zorva::bake

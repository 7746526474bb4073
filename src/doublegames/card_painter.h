#pragma once
#include <QImage>
#include <QPainter>

#include "doublegames/cards_rules.h"

namespace zorva {

// Draws cards onto a 32-bit canvas the way a masked sprite is drawn: the mask is ANDed in (the card
// turns black, the background beyond its rounded corners stays) and the picture ORed over it.
class TCardPainter {
  public:
    // Loads the card pictures compiled into the program.
    TCardPainter();

    void DrawCardBack(QPainter& canvas, int x, int y) const;
    void DrawJoker(QPainter& canvas, int x, int y) const;
    void DrawCardFace(QPainter& canvas, const CardRecord& card, int x, int y) const;

    // The face of a card from Ace to King, composed on a scratch picture one pixel larger than
    // the card each way.
    QImage ComposeFace(const CardRecord& card) const;

  private:
    void DrawMasked(QPainter& canvas, const QImage& picture, int x, int y) const;

    QImage Pos;    // blank face, black beyond the rounded corners
    QImage Neg;    // black over the card, white beyond its corners
    QImage back;   // the back, complete with outline
    QImage Joker;  // the Joker, complete
    QImage Royal;  // King, Queen, Jack across; black suits over red suits
    QImage Suits;  // large suit signs, upright over upside down
    QImage SuitSm; // small suit signs, upright over upside down
    QImage Black;  // rank signs A to K, upright over upside down
    QImage Red;
};

} // namespace zorva

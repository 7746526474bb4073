#pragma once
#include <QIcon>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace zorva {

// The pictures on the games' buttons, 24 × 24: a green tick on OK, a question mark on Help,
// a small pyramid of squares on the switch to the Pyramid, and a pair of cards on the switch to
// the card game.
QIcon OkButtonPicture();
QIcon HelpButtonPicture();
QIcon PyramidButtonPicture();
QIcon CardGameButtonPicture();

// A push button with a picture beside its text, at a fixed place.
QPushButton* MakeBitBtn(QWidget* parent, const QString& text, const QIcon& picture, const QRect& place);

} // namespace zorva

#pragma once
#include <QIcon>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace zorva {

inline constexpr int BitBtnPictureSize = 24;

// The pictures on the games' switch buttons: a small pyramid of squares on the switch to the
// Pyramid, and a pair of cards on the switch to the card game. OK and Help take the game's own
// button pictures at this size.
QIcon PyramidButtonPicture();
QIcon CardGameButtonPicture();

// A push button with a picture beside its text, at a fixed place.
QPushButton* MakeBitBtn(QWidget* parent, const QString& text, const QIcon& picture, const QRect& place);

} // namespace zorva

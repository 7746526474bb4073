#pragma once
#include <QIcon>
#include <functional>

class QPainter;

namespace zorva {

// The bank windows' buttons carry their pictures at Qt's usual icon size.
inline constexpr int ButtonPictureSize = 16;

// The pictures of the OK, Cancel and Help kinds of button in every window of the game, drawn at the
// given size in pixels rather than loaded: a green tick, a red cross, a white question mark on a
// blue disc.
QIcon TickPicture(int size);
QIcon CrossPicture(int size);
QIcon QuestionPicture(int size);

// A button picture of the given size in pixels, painted on a transparent 24-unit square.
QIcon DrawnPicture(int size, const std::function<void(QPainter&)>& paint);

} // namespace zorva

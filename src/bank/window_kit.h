#pragma once

class QWidget;

namespace zorva {

// The bank windows' buttons carry their pictures at Qt's usual icon size.
inline constexpr int ButtonPictureSize = 16;

// Puts a window of fixed client size in the middle of its screen.
void CentreOnScreen(QWidget& window);

} // namespace zorva

#pragma once
#include <QFont>
#include <QIcon>

class QWidget;

namespace zorva {

// The windows' "MS Sans Serif" is the system sans here.
QFont SansFont(int pointSize, bool bold = false);

// Puts a window of fixed client size in the middle of its screen.
void CentreOnScreen(QWidget& window);

// The pictures of the OK, Cancel and Help kinds of button: a green check mark, a red cross and a
// question mark, drawn rather than loaded.
QIcon CheckMarkIcon();
QIcon CrossIcon();
QIcon QuestionIcon();

} // namespace zorva

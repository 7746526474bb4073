#pragma once
#include <QIcon>

class QWidget;

namespace zorva {

// Puts a window of fixed client size in the middle of its screen.
void CentreOnScreen(QWidget& window);

// The pictures of the OK, Cancel and Help kinds of button: a green check mark, a red cross and a
// question mark, drawn rather than loaded.
QIcon CheckMarkIcon();
QIcon CrossIcon();
QIcon QuestionIcon();

} // namespace zorva

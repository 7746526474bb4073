#pragma once
#include <QLoggingCategory>

namespace zorva {

// What the meters show, line by line, for checking the game's books from outside (the soak test).
// Off unless switched on: QT_LOGGING_RULES="zorva.spin.debug=true".
Q_DECLARE_LOGGING_CATEGORY(SpinLog)

} // namespace zorva

#include "mainwindow/spin_log.h"

namespace zorva {

Q_LOGGING_CATEGORY(SpinLog, "zorva.spin", QtInfoMsg)

} // namespace zorva

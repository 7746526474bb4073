#pragma once

namespace zorva {

class TForm1;

// SIGTERM, SIGINT and SIGHUP close the window as its close box does, so the game is saved. Called
// again for a window that replaces the first, the signals close that one.
void CloseOnTerminationSignals(TForm1& form);

} // namespace zorva

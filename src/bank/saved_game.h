#pragma once
#include <string>

#include "engine/session.h"
#include "platform/desktop.h"

namespace zorva {

// Reads the slot's section of the saved-game file into the session. A missing or damaged file,
// section or key gives the defaults; nothing is reported.
void ReadGame(const TDesktop& desktop, TGameSession& session, int slot);

// Stores the session in the slot's section under the given name, stamped with today's date. The file
// is replaced in one step, so it always holds either the old or the new save in full. When the system
// refuses the write the player is told once, nothing of this save is written and false comes back.
bool WriteGame(TDesktop& desktop, const TGameSession& session, int slot, const std::string& name);

// Today as a save is stamped with it: "mm/dd/yy" with the locale's separator.
std::string TodaysGameDate(const TDesktop& desktop);

} // namespace zorva

#pragma once
#include <cstdint>
#include <string>

#include "engine/session.h"
#include "platform/config_file.h"

namespace zorva {

// The crash test's writer saves version after version of one game; each version is told apart by its
// spin count, so the file names the version it should hold in full.
TGameSession CrashVersion(int32_t version);

// The file before the first save: eight saved games, a long section of the player's own notes and the
// game in progress at version 0, all of which every save must keep.
std::string CrashSeedFile();

inline constexpr TCalendarDate CrashDate{2024, 3, 7};
inline constexpr const char* CrashDateText = "03/07/24";

} // namespace zorva

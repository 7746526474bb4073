#include "crash_versions.h"

#include "bank/game_section.h"
#include "platform/profile_file.h"

namespace zorva {

TGameSession CrashVersion(int32_t version) {
    TGameSession session;
    session.Spins = version;
    session.Credits = 1000 + 7 * version;
    session.TotalBets = 64 * version;
    session.DoubleOrNothingWon = -version;
    session.BonusGame = version % 2 == 0;
    return session;
}

std::string CrashSeedFile() {
    TProfileFile file;
    for (int slot = 0; slot < SavedGameSlots; ++slot) {
        WriteGameSection(file, CrashVersion(1000 * slot), slot, "Saved game " + std::to_string(slot),
                         CrashDateText);
    }
    for (int line = 0; line < 200; ++line) {
        file.SetString("Notes", "Note" + std::to_string(line),
                       "a line of the player's own that every save keeps");
    }
    WriteGameSection(file, CrashVersion(0), CurrentGameSlot, CurrentGameName, CrashDateText);
    return file.Serialise();
}

} // namespace zorva

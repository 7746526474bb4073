#include "bank/saved_game.h"

#include "bank/game_section.h"
#include "platform/config_file.h"
#include "platform/messages.h"
#include "platform/profile_file.h"

namespace zorva {

std::string TodaysGameDate() {
    const TCalendarDate today = Today();
    return FormatGameDate(today.Year, today.Month, today.Day, DateSeparator());
}

void ReadGame(TGameSession& session, int slot) {
    const TFileContents contents = ReadWholeFile(SavedGameFilePath());
    ReadGameSection(TProfileFile::Parse(contents.Text), session, slot, TodaysGameDate());
}

bool WriteGame(const TGameSession& session, int slot, const std::string& name) {
    const std::string path = SavedGameFilePath();
    const TFileContents contents = ReadWholeFile(path);
    // A file that is there but cannot be read would lose the other saves if it were replaced.
    bool written = contents.State != TFileState::Unreadable;
    if (written) {
        TProfileFile file = TProfileFile::Parse(contents.Text);
        WriteGameSection(file, session, slot, name, TodaysGameDate());
        written = ReplaceFileAtomically(path, file.Serialise());
    }
    if (!written) {
        ShowError(std::string("Unable to write to ") + SavedGameFileName);
    }
    return written;
}

} // namespace zorva

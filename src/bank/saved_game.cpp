#include "bank/saved_game.h"

#include "bank/game_section.h"
#include "platform/config_file.h"
#include "platform/messages.h"
#include "platform/profile_file.h"

namespace zorva {

namespace {

std::string TodayText() {
    const TCalendarDate today = Today();
    return FormatGameDate(today.Year, today.Month, today.Day, DateSeparator());
}

} // namespace

void ReadGame(TGameSession& session, int slot) {
    const TFileContents contents = ReadWholeFile(SavedGameFilePath());
    ReadGameSection(TProfileFile::Parse(contents.Text), session, slot, TodayText());
}

bool WriteGame(const TGameSession& session, int slot, const std::string& name) {
    const std::string path = SavedGameFilePath();
    const TFileContents contents = ReadWholeFile(path);
    // A file that is there but cannot be read would lose the other saves if it were replaced.
    bool written = contents.State != TFileState::Unreadable;
    if (written) {
        TProfileFile file = TProfileFile::Parse(contents.Text);
        WriteGameSection(file, session, slot, name, TodayText());
        written = ReplaceFileAtomically(path, file.Serialise());
    }
    if (!written) {
        ShowError(std::string("Unable to write to ") + SavedGameFileName);
    }
    return written;
}

} // namespace zorva

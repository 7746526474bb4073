#include "bank/saved_game.h"

#include <QCoreApplication>

#include "bank/game_section.h"
#include "platform/config_file.h"
#include "platform/profile_file.h"

namespace zorva {

std::string TodaysGameDate(const TDesktop& desktop) {
    const TCalendarDate today = desktop.Today();
    return FormatGameDate(today.Year, today.Month, today.Day, desktop.DateSeparator());
}

void ReadGame(const TDesktop& desktop, TGameSession& session, int slot) {
    const TFileContents contents = ReadWholeFile(desktop.SavedGameFilePath());
    ReadGameSection(TProfileFile::Parse(contents.Text), session, slot, TodaysGameDate(desktop));
}

bool WriteGame(TDesktop& desktop, const TGameSession& session, int slot, const std::string& name) {
    const std::string path = desktop.SavedGameFilePath();
    const TFileContents contents = ReadWholeFile(path);
    // A file that is there but cannot be read would lose the other saves if it were replaced.
    bool written = contents.State != TFileState::Unreadable;
    if (written) {
        TProfileFile file = TProfileFile::Parse(contents.Text);
        WriteGameSection(file, session, slot, name, TodaysGameDate(desktop));
        written = ReplaceFileAtomically(path, file.Serialise());
    }
    if (!written) {
        desktop.ShowError(QCoreApplication::translate("TSavedGame", "Unable to write to %1")
                              .arg(QLatin1String(SavedGameFileName))
                              .toStdString());
    }
    return written;
}

} // namespace zorva

#pragma once
#include <optional>
#include <string>

namespace zorva {

// The saved-game file lives in the user's configuration folder: $XDG_CONFIG_HOME/zorva/Zorva.ini,
// ~/.config/zorva/Zorva.ini when that variable is not set.
inline constexpr const char* SavedGameFileName = "Zorva.ini";
std::string SavedGameFilePath();

enum class TFileState { Missing, Read, Unreadable };
struct TFileContents {
    TFileState State = TFileState::Missing;
    std::string Text;
};

// The whole file; Unreadable when something is there that cannot be read (a folder, no permission).
TFileContents ReadWholeFile(const std::string& path);

// Replaces the file in one step, creating its folder when needed: a temporary file in the same folder
// is written, flushed to the disk and renamed over the old one. On false nothing has changed: the old
// file is whole and no temporary file is left behind.
bool ReplaceFileAtomically(const std::string& path, const std::string& contents);

// Tests take the way of file systems without unnamed temporary files (NFS) too.
void SetUnnamedTemporaryFilesForTesting(bool allowed);

// The date a save is stamped with: today in local time, and the date separator of the user's locale.
struct TCalendarDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};
TCalendarDate Today();
std::string DateSeparator();

// The separator of a named locale's short date format: its first punctuation or symbol character,
// "/" when it has none (the C locale writes "7 Mar 2024").
std::string DateSeparatorOf(const std::string& localeName);

// Tests fix the date and the separator; nothing restores the real ones.
void SetTodayForTesting(std::optional<TCalendarDate> date);
void SetDateSeparatorForTesting(std::optional<std::string> separator);

} // namespace zorva

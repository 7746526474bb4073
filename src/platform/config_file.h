#pragma once
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
// UnnamedWhereSupported falls back to a named temporary file where the file system has no unnamed
// ones (NFS); NamedFile takes that way at once.
enum class TTemporaryFile { UnnamedWhereSupported, NamedFile };
bool ReplaceFileAtomically(const std::string& path, const std::string& contents,
                           TTemporaryFile way = TTemporaryFile::UnnamedWhereSupported);

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

} // namespace zorva

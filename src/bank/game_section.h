#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/session.h"
#include "platform/profile_file.h"

namespace zorva {

// Slots 0 to 7 are the player's saved games, slot 8 the game in progress.
inline constexpr int SavedGameSlots = 8;
inline constexpr int CurrentGameSlot = 8;
inline constexpr const char* CurrentGameName = "CurrentGame";

inline constexpr std::size_t MaxGameNameLength = 30;
inline constexpr std::size_t MaxGameDateLength = 10;

// "GameNo1" … "GameNo8" for slots 0 to 7, "CurrentGame" for slot 8.
std::string SectionName(int slot);

// "mm/dd/yy" with the locale's separator in place of each "/".
std::string FormatGameDate(int year, int month, int day, std::string_view separator);

// An integer as the saved-game file holds it: "0x"/"0X" stands for "$", leading blanks, a sign, then
// decimal digits or hexadecimal ones after "$", "x" or "X". Anything else, an empty text or a value
// beyond 32 bits gives the default.
int32_t ParseSavedInteger(std::string_view text, int32_t defaultValue);

// The first count characters of UTF-8 text; a byte that starts no valid character counts as one.
std::string FirstCharacters(std::string_view text, std::size_t count);

// Every saved field of the session from the slot's section, each missing or unreadable key taking its
// default; today is the date text a missing GameDate takes. The fields that are never saved stay.
void ReadGameSection(const TProfileFile& file, TGameSession& session, int slot, const std::string& today);

// The 22 keys of the slot's section from the session, in their order, stamped with today.
void WriteGameSection(TProfileFile& file, const TGameSession& session, int slot, const std::string& name,
                      const std::string& today);

} // namespace zorva

// Feeds any bytes to the profile-file parser and to the reading of every game section, then saves one
// section and checks that the save reads back exactly and leaves every other section as it was.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bank/game_section.h"
#include "platform/profile_file.h"
#include "saved_fields.h"

namespace {

using namespace zorva;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() &&
           (text.back() == ' ' || text.back() == '\t' || text.back() == '\v' || text.back() == '\f')) {
        text.pop_back();
    }
    return text;
}

std::array<TGameSession, SavedGameSlots + 1> ReadAll(const TProfileFile& file) {
    std::array<TGameSession, SavedGameSlots + 1> sessions;
    for (int slot = 0; slot <= CurrentGameSlot; ++slot) {
        ReadGameSection(file, sessions[slot], slot, "01/02/03");
    }
    return sessions;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TProfileFile file = TProfileFile::Parse(text);
    const std::string serialised = file.Serialise();
    Require(TProfileFile::Parse(serialised).Serialise() == serialised);

    const auto before = ReadAll(file);
    for (const TGameSession& session : before) {
        Require(session.LinesPlayed >= 0 && session.LinesPlayed <= 8);
        Require(session.CoinsPerLine >= 0 && session.CoinsPerLine <= 8);
        Require(FirstCharacters(session.GameName, MaxGameNameLength) == session.GameName);
        Require(FirstCharacters(session.GameDate, MaxGameDateLength) == session.GameDate);
    }

    // Save another section's values, under a name taken from the input, into the slot the size picks.
    const int slot = static_cast<int>(size % (CurrentGameSlot + 1));
    const TGameSession& saved = before[(slot + 1) % (CurrentGameSlot + 1)];
    const std::string name = before[slot].GameName;
    TProfileFile written = file;
    WriteGameSection(written, saved, slot, name, "12/31/99");

    const auto after = ReadAll(TProfileFile::Parse(written.Serialise()));
    for (int other = 0; other <= CurrentGameSlot; ++other) {
        if (other != slot) {
            Require(SavedFields(after[other]) == SavedFields(before[other]));
        }
    }
    TGameSession expected = saved;
    expected.GameName = WithoutTrailingBlanks(name);
    expected.GameDate = "12/31/99";
    Require(SavedFields(after[slot]) == SavedFields(expected));
    return 0;
}

#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "bank/saved_game.h"
#include "engine/session.h"
#include "platform/profile_file.h"

namespace zorva {

enum class TSlotDialogMode { Open = 0, Save = 1 };

// What one slot panel shows of its saved game.
struct TSlotPanel {
    std::string Name;
    std::string Date;
    int32_t Credits = 0;
    int32_t Borrowed = 0;
};

inline constexpr int SlotPanelCount = 8;
inline constexpr int MaxTypedGameName = 255;

// The reads and writes of the save/load slot dialog, apart from its window. The game in progress goes
// to "CurrentGame" when the dialog opens and comes back from there when it closes; between the two a
// slot is saved from it or opened into it.
class TSlotDialogRules {
  public:
    TSlotDialogRules(TGameSession& session, TSlotDialogMode mode, TDesktop& desktop);

    // Writes the game in progress to "CurrentGame", then reads the eight slots for their panels.
    // When that write is refused nothing is read: the panels stay empty and no slot can be chosen.
    void Start();
    bool HasPanels() const { return started_; }
    const std::array<TSlotPanel, SlotPanelCount>& Panels() const { return panels_; }

    // The slot button of panel 1 to 8. Saving asks for the name, proposing the text typed into the
    // panel's name field; opening ignores that text.
    void Choose(int panel, const std::string& nameField);

    // The dialog closes, whichever way: the game in progress is read back from "CurrentGame".
    void Finish();

  private:
    void SaveInto(int slot, const std::string& proposedName);
    void OpenFrom(int slot);

    TGameSession& session_;
    TSlotDialogMode mode_;
    TDesktop& desktop_;
    std::array<TSlotPanel, SlotPanelCount> panels_{};
    bool started_ = false;
    bool writeRefused_ = false;
    bool opened_ = false;
    // The game in progress as "CurrentGame" held it at the start, for when the file cannot give it back.
    TProfileFile startingGame_ = TProfileFile::Parse("");
};

} // namespace zorva

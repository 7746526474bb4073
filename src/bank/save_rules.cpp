#include "bank/save_rules.h"

#include <QCoreApplication>

#include "bank/game_section.h"

namespace zorva {

TSlotDialogRules::TSlotDialogRules(TGameSession& session, TSlotDialogMode mode, TDesktop& desktop)
    : session_(session), mode_(mode), desktop_(desktop) {}

void TSlotDialogRules::Start() {
    if (!WriteGame(desktop_, session_, CurrentGameSlot, CurrentGameName)) {
        return;
    }
    started_ = true;
    WriteGameSection(startingGame_, session_, CurrentGameSlot, CurrentGameName, TodaysGameDate(desktop_));
    // Each slot is read into a record of its own, so the main window behind the dialog never
    // shows another game's figures.
    for (int slot = 0; slot < SavedGameSlots; ++slot) {
        TGameSession saved;
        ReadGame(desktop_, saved, slot);
        panels_[slot] = {saved.GameName, saved.GameDate, saved.Credits, saved.Borrowed};
    }
}

void TSlotDialogRules::Choose(int panel, const std::string& nameField) {
    if (!started_ || panel < 1 || panel > SlotPanelCount) {
        return;
    }
    if (mode_ == TSlotDialogMode::Save) {
        SaveInto(panel - 1, nameField);
    } else {
        OpenFrom(panel - 1);
    }
}

void TSlotDialogRules::SaveInto(int slot, const std::string& proposedName) {
    const std::optional<std::string> name = desktop_.AskText(
        {QCoreApplication::translate("TSlotDialogRules", "Name for this saved game?").toStdString(), "",
         proposedName, MaxTypedGameName});
    if (!name) {
        return;
    }
    ReadGame(desktop_, session_, CurrentGameSlot);
    writeRefused_ = !WriteGame(desktop_, session_, slot, *name) || writeRefused_;
}

void TSlotDialogRules::OpenFrom(int slot) {
    ReadGame(desktop_, session_, slot);
    opened_ = WriteGame(desktop_, session_, CurrentGameSlot, CurrentGameName);
    writeRefused_ = !opened_ || writeRefused_;
}

void TSlotDialogRules::Finish() {
    if (!started_) {
        return;
    }
    // After a refused write the file may not give the game back; the copy taken at the start does.
    if (writeRefused_) {
        ReadGameSection(startingGame_, session_, CurrentGameSlot, TodaysGameDate(desktop_));
    } else {
        ReadGame(desktop_, session_, CurrentGameSlot);
    }
    if (opened_) {
        session_.CreditHistory.Mark(TCreditEvent::LoadedGame, session_.Credits);
    }
}

} // namespace zorva

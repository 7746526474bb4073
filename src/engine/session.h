#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/bonus_rules.h"
#include "engine/credit_history.h"
#include "engine/spin_summary.h"

namespace zorva {

// The one record of the game in progress. The saved fields come first, in the order
// of their keys in the saved-game file.
struct TGameSession {
    int32_t Credits = 1000;
    int32_t Borrowed = 1000;
    int32_t Dollars = FullDollarRow;
    int32_t Globes = FullGlobeRow;
    int32_t BonusPool = FreshBonusPool;
    int32_t Spins = 0;
    int32_t LinesPlayed = 8;
    int32_t CoinsPerLine = 1;
    int32_t BonusPoolWon = 0;
    int32_t DoubleOrNothingWon = 0;
    int32_t BonusRollWon = 0;
    int32_t NumberOfBonusRolls = 0;
    int32_t GotBonusCount = 0;
    int32_t MysteryBonus = 0;
    int32_t TotalBets = 0;
    bool Sound = true;
    bool Double = true;
    bool PayMode = true; // true: count off credits; false: instant payoff
    bool AutoSave = true;
    bool BonusGame = true; // true: the Pyramid; false: the card game
    std::string GameName;
    std::string GameDate;

    // Shared between the spin cycle, the window and the double-or-nothing games; never saved.
    int32_t FreeSpinsLeft = 0;
    int32_t SpinWinnings = 0;
    std::array<int32_t, 8> LineWins{};
    TSpinSummary LastSpinSummary;
    bool AutoSpin = false;
    bool Spinning = false;
    bool ReopenDoubleGame = false;
    TCreditHistory CreditHistory; // the credits over this run, for the statistics plot

    int32_t Bet() const { return CoinsPerLine * LinesPlayed; }
};

// A fresh game: 1000 credits, all booked as borrowed, and every counter back to its start.
// The bet, the settings and the last spin's results stay as they are.
void NewGameReset(TGameSession& session);

// The values the record takes when the program starts, before the saved game is read.
void SetStartupValues(TGameSession& session);
void SetStartupSettings(TGameSession& session);

} // namespace zorva

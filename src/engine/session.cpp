#include "engine/session.h"

namespace zorva {

void NewGameReset(TGameSession& session) {
    session.FreeSpinsLeft = 0;
    session.Credits = 1000;
    session.Borrowed = 1000;
    session.Dollars = FullDollarRow;
    session.Globes = FullGlobeRow;
    session.Spins = 0;
    session.BonusPool = FreshBonusPool;
    session.BonusPoolWon = 0;
    session.DoubleOrNothingWon = 0;
    session.BonusRollWon = 0;
    session.NumberOfBonusRolls = 0;
    session.GotBonusCount = 0;
    session.TotalBets = 0;
    session.MysteryBonus = 0;
}

void SetStartupValues(TGameSession& session) {
    session.Spins = 0;
    session.Spinning = false;
    session.Globes = FullGlobeRow;
    session.PayMode = true;
    session.Dollars = FullDollarRow;
    session.BonusGame = true;
    session.LinesPlayed = 8;
    session.CoinsPerLine = 1;
}

void SetStartupSettings(TGameSession& session) {
    session.Sound = true;
    session.AutoSpin = false;
    session.AutoSave = true;
    session.Double = true;
}

} // namespace zorva

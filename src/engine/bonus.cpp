#include "engine/bonus_rules.h"
#include "engine/credits.h"
#include "engine/machine.h"

namespace zorva {

void TSlotMachine::BonusPoolAward() {
    PlaySound(SoundId::Pool);
    for (int globes = 1; globes <= FullGlobeRow; ++globes) {
        Session.Globes = globes;
        View.DrawMeter(TMeter::GlobeRow);
        PlaySound(SoundId::Globe);
    }
    const int32_t pool = Session.BonusPool;
    Session.SpinWinnings = SaturatingAdd(Session.SpinWinnings, pool);
    Session.LastSpinSummary.push_back({BonusPoolLine, pool});
    Session.BonusPoolWon = SaturatingAdd(Session.BonusPoolWon, pool);
    Session.BonusPool = FreshBonusPool;
    View.RepaintAll();
}

void TSlotMachine::FreeSpinAward() {
    for (int dollars = 1; dollars <= FullDollarRow; ++dollars) {
        Session.Dollars = dollars;
        View.DrawMeter(TMeter::DollarRow);
        PlaySound(SoundId::Dollar);
    }
    Session.FreeSpinsLeft = SaturatingAdd(Session.FreeSpinsLeft, FreeSpinsPerAward);
}

void TSlotMachine::ShowFreeSpins() {
    FreeSpinBlinkPhase = !FreeSpinBlinkPhase;
    View.DrawFreeSpinsCount(FreeSpinBlinkPhase);
}

void TSlotMachine::StartMysteryBonus() {
    FillMysteryPrizes();
    MysteryPick = Rng.Random(MysteryBoxCount);
    View.DrawWinnings(false);
    // Nobody is there to stop the chaser under auto spin or when the window closes.
    if (Session.AutoSpin || Closing) {
        MysteryLit[MysteryPick] = true;
        View.DrawMysteryBox(MysteryPick);
        AwardMystery(MysteryPick);
        if (!Closing)
            Pause(1);
        return;
    }
    PlaySound(SoundId::Chaser);
    EnableTimer(TimerId::Timer1, true);
    EnableTimer(TimerId::Timer2, true);
    Notices.Announce(TAnnouncement::MysteryChaserStarted);
}

// The prizes are dealt before the chaser runs; stopping it only picks a box.
void TSlotMachine::FillMysteryPrizes() {
    Randomize();
    const int32_t c = Session.CoinsPerLine;
    TMysteryPrizes prizes{};
    for (int i = 0; i < MysteryBoxCount; ++i)
        prizes[i] = MysteryPrizeTimesCoins[i] * c;
    MysteryPrizes = DealMysteryPrizes(Rng, prizes);
}

void TSlotMachine::StepMystery() {
    MysteryLit[MysteryPick] = false;
    View.DrawMysteryBox(MysteryPick);
    MysteryPick = (MysteryPick + 1) % MysteryBoxCount;
    MysteryLit[MysteryPick] = true;
    View.DrawMysteryBox(MysteryPick);
}

void TSlotMachine::AwardMystery(int box) {
    PlaySound(SoundId::MysteryAward);
    EnableTimer(TimerId::Timer1, false);
    EnableTimer(TimerId::Timer2, false);
    for (int i = 0; i < MysteryBoxCount; ++i)
        View.DrawMysteryPrize(i, i == box);

    const int32_t prize = MysteryPrizes[box];
    Session.SpinWinnings = prize;
    View.DrawWinnings(true);
    Session.LastSpinSummary.push_back({MysteryLine, prize, 0, TSummaryBreak::Before});
    Session.MysteryBonus = SaturatingAdd(Session.MysteryBonus, prize);
    Notices.Announce(TAnnouncement::MysteryAwarded);
    PaySpinWinnings();
}

void TSlotMachine::DoubleOrNothingHandOff(bool afterNormalSpin) {
    Session.ReopenDoubleGame = true;
    while (Session.ReopenDoubleGame && !Closing) {
        const bool pyramid = Session.BonusGame;
        // Each game clears the flag as it opens; clearing it here as well means a game
        // window that never opens cannot keep the machine in this loop.
        Session.ReopenDoubleGame = false;
        Dialogs.OpenDoubleGame(pyramid);
        if (afterNormalSpin && pyramid && Session.SpinWinnings == 0 && WinningsTextShown)
            View.ClearWinningsText();
    }
}

} // namespace zorva

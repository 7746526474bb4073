#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/host.h"
#include "engine/mystery_deal.h"
#include "engine/random.h"
#include "engine/session.h"
#include "engine/symbols.h"

namespace zorva {

// The most lines, and the most coins on a line, that a bet may play.
inline constexpr int32_t MostPerBet = 8;

// The four bet adjusters: a step of one up or down on the lines played or the coins per line.
inline constexpr std::array<TBetChange, 4> AllBetChanges{TBetChange::LinesUp, TBetChange::LinesDown,
                                                         TBetChange::CoinsUp, TBetChange::CoinsDown};

// The slot machine: its wheels, the spin cycle, the evaluation, the bonus features and the
// payout. It owns no window; everything it shows or plays goes through the small interfaces
// of its host.
class TSlotMachine {
  public:
    TSlotMachine(TGameSession& session, TMachineView& view, TMachineSound& sound, TMachineClock& clock,
                 TMachineDialogs& dialogs, TMachineNotices& notices);
    TSlotMachine(TGameSession& session, THost& host) : TSlotMachine(session, host, host, host, host, host) {}

    TGameSession& Session;
    TRandom Rng;

    TStrips Strips{};
    TStops Stops = InitialStops;
    TStops SavedStops = InitialStops;

    bool StopRequested = false;
    bool FreeSpinMode = false;
    bool RestoreStrips = false;
    // The window is closing: whatever is under way is settled at once, without animation,
    // count-off or waiting for the player, so that nothing is lost when the game is saved.
    bool Closing = false;

    int FlashLine = -1;

    TMysteryPrizes MysteryPrizes{};
    std::array<bool, MysteryBoxCount> MysteryLit{};
    int MysteryPick = 0;

    uint8_t SymbolAt(int wheel) const { return Strips[wheel][Stops[wheel]]; }
    bool TimerEnabled(TimerId timer) const { return TimerOn[static_cast<int>(timer)]; }

    // Start-up: the window's layout shows a Winnings text above the machine, which a spin and a
    // lost Pyramid game wipe.
    void ShowsWinningsText(bool shown) { WinningsTextShown = shown; }

    // Commands
    void RequestSpin();
    bool SpinIfBetAccepted(); // one pass of RequestSpin: check the bet, then spin
    void PressStop();
    void NewGame();
    void OnTimer(TimerId timer);
    // The window is closing: auto spin ends and whatever is under way settles at once.
    void Close();
    // Whether an adjuster may change the bet now: within 0 to 8 lines or coins, never during a
    // spin, and never up beyond what the credits cover.
    bool BetChangeAllowed(TBetChange change) const;
    // Clicks and changes the bet when allowed, buzzes when not; returns whether it changed.
    bool ChangeBet(TBetChange change);
    // Plays through the host; a sound the machine waits for holds the machine's timers meanwhile.
    void PlaySound(SoundId sound);
    void Pause(double seconds);

    // Steps of the spin cycle, also driven on their own by the tests.
    void BlinkStop();
    void EvaluateSpin();
    void EvaluateFreeSpin();
    void FillMysteryPrizes();
    void PaySpinWinnings();

  private:
    TMachineView& View;
    TMachineSound& Sound;
    TMachineClock& Clock;
    TMachineDialogs& Dialogs;
    TMachineNotices& Notices;

    std::array<bool, TimerCount> TimerOn{};
    // A sound the machine waits for is playing: the timers keep their settings but do not run.
    bool TimersHeld = false;
    bool WinningsTextShown = false;
    bool StopBlinkPhase = false;
    bool FlashPhase = false;
    int FlashTicks = 0;
    bool FreeSpinBlinkPhase = false;

    struct TWheelMotion {
        int BlurOffset = 0;
        bool Done = false;
    };
    std::array<TWheelMotion, WheelCount> Motion{};

    void EnableTimer(TimerId timer, bool enabled);
    void Randomize();

    // The spin cycle
    void Spin();
    void PrepareSpin();
    void DrawStops();
    void AnimateWheels();
    void AnimateWheel(int wheel, int phase);
    void StopAndBounce(int wheel, int step);
    void QuickStop();
    void PlayFreeSpins();

    // Evaluation
    void EvaluateLine(int lineIndex);
    void ShowLine(int lineIndex, bool on);
    void FlashWinningLines();
    void PayWinningSpin(bool afterNormalSpin);
    void AddWinningLine(int lineIndex, int32_t payoff);

    // Bonus features
    void BonusPoolAward();
    void FreeSpinAward();
    void ShowFreeSpins();
    void StartMysteryBonus();
    void StepMystery();
    void AwardMystery(int box);
    void DoubleOrNothingHandOff(bool afterNormalSpin);

    // Payout
    void CountOffCredits();
};

} // namespace zorva

#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/geometry.h"
#include "engine/host.h"
#include "engine/mystery_deal.h"
#include "engine/random.h"
#include "engine/session.h"
#include "engine/symbols.h"

namespace zorva {

// The slot machine: its wheels, the spin cycle, the evaluation, the bonus features and the
// payout. It owns no window; everything it shows or plays goes through its host.
class TSlotMachine {
  public:
    TSlotMachine(TGameSession& session, THost& host);

    TGameSession& Session;
    THost& Host;
    TMachineGeometry Geometry;
    TRandom Rng;

    TStrips Strips{};
    TStops Stops = InitialStops;
    TStops SavedStops = InitialStops;

    bool StopRequested = false;
    bool FreeSpinMode = false;
    bool RestoreStrips = false;
    bool StopBlinkPhase = false;
    // The window is closing: whatever is under way is settled at once, without animation,
    // count-off or waiting for the player, so that nothing is lost when the game is saved.
    bool Closing = false;

    int FlashLine = -1;
    int FlashTicks = 0;
    bool FlashPhase = false;

    TMysteryPrizes MysteryPrizes{};
    std::array<bool, MysteryBoxCount> MysteryLit{};
    int MysteryPick = 0;
    bool FreeSpinBlinkPhase = false;

    uint8_t SymbolAt(int wheel) const { return Strips[wheel][Stops[wheel]]; }
    bool TimerEnabled(TimerId timer) const { return TimerOn[static_cast<int>(timer)]; }

    // Commands
    void RequestSpin();
    bool SpinIfBetAccepted(); // one pass of RequestSpin: check the bet, then spin
    void PressStop();
    void NewGame();
    void OnTimer(TimerId timer);
    // Plays through the host; a sound the machine waits for holds the machine's timers meanwhile.
    void PlaySound(SoundId sound);

    // The spin cycle
    void Spin();
    void BlinkStop();
    void Pause(double seconds);

    // Evaluation
    void EvaluateSpin();
    void EvaluateFreeSpin();
    void ShowLine(int lineIndex, bool on);
    void FlashWinningLines();

    // Bonus features
    void BonusPoolAward();
    void FreeSpinAward();
    void ShowFreeSpins();
    void StartMysteryBonus();
    void FillMysteryPrizes();
    void StepMystery();
    void AwardMystery(int box);
    void DoubleOrNothingHandOff(bool afterNormalSpin);

    // Payout
    void PaySpinWinnings();
    void CountOffCredits();

  private:
    std::array<bool, TimerCount> TimerOn{};
    // A sound the machine waits for is playing: the timers keep their settings but do not run.
    bool TimersHeld = false;

    struct TWheelMotion {
        int BlurOffset = 0;
        bool Done = false;
    };
    std::array<TWheelMotion, WheelCount> Motion{};

    void EnableTimer(TimerId timer, bool enabled);
    void Randomize();
    void PrepareSpin();
    void DrawStops();
    void AnimateWheels();
    void AnimateWheel(int wheel, int phase);
    void StopAndBounce(int wheel, int step);
    void QuickStop();
    void PlayFreeSpins();
    void EvaluateLine(int lineIndex);
    void PayWinningSpin(bool afterNormalSpin);
    void AddWinningLine(int lineIndex, int32_t payoff);
};

} // namespace zorva

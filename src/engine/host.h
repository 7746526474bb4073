#pragma once
#include <cstdint>
#include <string>

#include "engine/sounds.h"

namespace zorva {

// The main window's timers, named as the design names them; the engine owns their ticks.
enum class TimerId {
    Timer1, // the mystery chaser: moves the lit box one place on
    Timer2, // blinks the Stop button while the chaser waits
    Timer4, // flashes the winning paylines in turn
    Timer5, // blinks the count of free spins still to come
};
inline constexpr int TimerCount = 4;

enum class TMeter { Credits, BonusPool, LinesPlayed, CoinsPerLine, CoinsPlayed, GlobeRow, DollarRow };

// Moments a player who cannot see the machine is told about as they happen.
// The four bet adjusters.
enum class TBetChange { LinesUp, LinesDown, CoinsUp, CoinsDown };

enum class TAnnouncement {
    SpinOutcome,          // a spin's lines are paid out in the summary, before its winnings are risked or paid
    CountOffEnded,        // counted-off winnings are all in the credits
    FreeSpinsStarted,
    FreeSpinsEnded,
    MysteryChaserStarted, // the chaser waits for Stop
    MysteryAwarded,       // a mystery prize is in the summary, before it is paid
};

// What the machine shows. The window paints each element from the engine's and the session's
// state; the engine only says which element, plus the few values that live nowhere else (a blur
// offset, a bounce shift).
class TMachineView {
  public:
    virtual ~TMachineView() = default;
    virtual void DrawWheel(int wheel) = 0;
    virtual void ClearWheel(int wheel) = 0;
    virtual void DrawBlur(int wheel, int offset) = 0;
    virtual void CaptureBounce(int wheel) = 0; // read the wheel's bounce rectangle back from the canvas
    virtual void DrawBounce(int wheel, int shift) = 0;
    virtual void HatchLine(int lineIndex) = 0;
    virtual void DrawMeter(TMeter meter) = 0;
    virtual void DrawWinnings(bool show) = 0;
    virtual void DrawMysteryBox(int box) = 0;
    virtual void DrawMysteryPrize(int box, bool chosen) = 0;
    virtual void DrawStopButton(bool dark) = 0;
    virtual void DrawFreeSpinsCount(bool red) = 0;
    virtual void DrawOptionCaptions() = 0;
    // The Winnings text that a layout shows above the machine is wiped.
    virtual void ClearWinningsText() = 0;
    virtual void RepaintAll() = 0;
    // A view that does not animate gets no blur, click or bounce of the spinning wheels.
    virtual bool Animates() const { return true; }
};

// What the machine plays; each sound's play mode is its own (see sounds.h).
class TMachineSound {
  public:
    virtual ~TMachineSound() = default;
    virtual void Play(SoundId sound) = 0;
};

// Time and the window's timers, whose tick handlers are the engine's (TSlotMachine::OnTimer).
class TMachineClock {
  public:
    virtual ~TMachineClock() = default;
    // A millisecond tick counter and the UTC time of day that seeds the generator.
    virtual uint32_t TickCount() = 0;
    virtual uint32_t UtcMillisecondOfDay() = 0;
    // Handles pending window events, sleeping at most until the tick counter reaches deadline.
    virtual void HandleEvents(uint32_t deadline) = 0;
    virtual void SetTimer(TimerId timer, bool enabled) = 0;
};

// The modal windows the machine opens.
class TMachineDialogs {
  public:
    virtual ~TMachineDialogs() = default;
    virtual void ShowInformation(const std::string& text) = 0;
    virtual void OpenDoubleGame(bool pyramid) = 0;
};

// What has happened, for the saved game and for a player who cannot see the machine.
class TMachineNotices {
  public:
    virtual ~TMachineNotices() = default;
    // A paid spin has come to rest with everything it won (free spins included) paid out.
    virtual void SpinSettled() {}
    // A prize paid after its spin had settled: the Mystery Bonus, taken with Stop.
    virtual void PrizeSettled() {}
    virtual void Announce(TAnnouncement) {}
    // A bet change was refused; the buzz says only that, the window may say why.
    virtual void BetRefused(TBetChange) {}
};

// All of the machine's window in one, as a window or a test double provides it.
class THost : public TMachineView, public TMachineSound, public TMachineClock, public TMachineDialogs,
              public TMachineNotices {};

} // namespace zorva

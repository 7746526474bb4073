#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/host.h"

namespace zorva {

class TSlotMachine;

// A recording host on a virtual clock: waiting advances time at once, enabled timers tick
// on schedule while the engine waits, and scripted actions run at their virtual moment.
class TFakeHost : public THost {
  public:
    TSlotMachine* Machine = nullptr; // receives the timer ticks
    std::vector<std::string> Log;
    bool LogDrawing = true;
    bool Animated = true;
    uint32_t Now = 0;
    uint32_t TimeOfDay = 12345;
    bool TimeOfDayFollowsClock = false; // else every Randomize sees the same moment
    std::array<bool, TimerCount> Timers{};
    std::array<uint32_t, TimerCount> TimerDue{};
    std::function<void(bool pyramid)> DoubleGame;
    std::function<void()> OnRepaintAll;

    // Runs action once virtual time reaches at (checked while the engine waits).
    void At(uint32_t at, std::function<void()> action);

    std::vector<std::string> Entries(const std::string& prefix) const;
    int Count(const std::string& entry) const;

    void DrawWheel(int wheel) override {
        Draw([&] { return "DrawWheel " + std::to_string(wheel); });
    }
    void ClearWheel(int wheel) override {
        Draw([&] { return "ClearWheel " + std::to_string(wheel); });
    }
    void DrawBlur(int wheel, int offset) override;
    void CaptureBounce(int wheel) override {
        Draw([&] { return "Capture " + std::to_string(wheel); });
    }
    void DrawBounce(int wheel, int shift) override;
    void HatchLine(int line) override {
        Draw([&] { return "Hatch " + std::to_string(line); });
    }
    void DrawMeter(TMeter meter) override;
    void DrawWinnings(bool show) override {
        Draw([&] { return std::string(show ? "Winnings show" : "Winnings blank"); });
    }
    void DrawMysteryBox(int box) override {
        Draw([&] { return "Box " + std::to_string(box); });
    }
    void DrawMysteryPrize(int box, bool chosen) override;
    void DrawStopButton(bool dark) override {
        Draw([&] { return std::string(dark ? "Stop dark" : "Stop plain"); });
    }
    void DrawFreeSpinsCount(bool red) override {
        Draw([&] { return std::string(red ? "FreeSpins red" : "FreeSpins yellow"); });
    }
    void DrawOptionCaptions() override { Log.push_back("OptionCaptions"); }
    void ClearWinningsText() override { Log.push_back("ClearWinningsText"); }
    void RepaintAll() override;
    bool Animates() const override { return Animated; }
    // A sound the engine waits for takes its real length on the virtual clock, as on the real
    // host: timers tick meanwhile, while scripted player actions wait until it has ended.
    void Play(SoundId sound) override;
    uint32_t TickCount() override { return Now; }
    uint32_t UtcMillisecondOfDay() override { return TimeOfDayFollowsClock ? TimeOfDay + Now : TimeOfDay; }
    void HandleEvents(uint32_t deadline) override;
    void SetTimer(TimerId timer, bool enabled) override;
    void ShowInformation(const std::string& text) override { Log.push_back("Message " + text); }
    void OpenDoubleGame(bool pyramid) override;
    void SpinSettled() override { Log.push_back("SpinSettled"); }
    void PrizeSettled() override { Log.push_back("PrizeSettled"); }

  private:
    struct TAction {
        uint32_t At;
        std::function<void()> Run;
    };
    std::vector<TAction> Actions;
    // Builds the entry only when drawing is logged: a long run draws a million times.
    template <class TEntry> void Draw(TEntry entry) {
        if (LogDrawing)
            Log.push_back(entry());
    }
    void RunDue(uint32_t until, bool takesInput = true);
};

std::string SoundEntry(SoundId sound);

} // namespace zorva

#pragma once
#include <cstdint>
#include <random>

#include "engine/host.h"

namespace zorva {

// A host with no window and no speakers, on a virtual clock. Each Randomize sees a
// uniformly random time of day: a player cannot time a spin to the millisecond, and a
// clock ticking in lock-step with the spins would correlate their seeds.
class TSilentHost final : public THost {
  public:
    explicit TSilentHost(uint64_t seed) : TimeOfDay(seed) {}

    void DrawWheel(int) override {}
    void ClearWheel(int) override {}
    void DrawBlur(int, int) override {}
    void CaptureBounce(int) override {}
    void DrawBounce(int, int) override {}
    void HatchLine(int) override {}
    void DrawMeter(TMeter) override {}
    void DrawWinnings(bool) override {}
    void DrawMysteryBox(int) override {}
    void DrawMysteryPrize(int, bool) override {}
    void DrawStopButton(bool) override {}
    void DrawFreeSpinsCount(bool) override {}
    void DrawOptionCaptions() override {}
    void ClearWinningsText() override {}
    void RepaintAll() override {}
    bool Animates() const override { return false; }
    void Play(SoundId) override {}
    uint32_t TickCount() override { return Now; }
    uint32_t UtcMillisecondOfDay() override {
        return static_cast<uint32_t>(TimeOfDay() % MillisecondsPerDay);
    }
    void HandleEvents(uint32_t deadline) override { Now = deadline; }
    void SetTimer(TimerId, bool) override {}
    void ShowInformation(const std::string&) override {}
    void OpenDoubleGame(bool) override {}

  private:
    static constexpr uint64_t MillisecondsPerDay = 86'400'000;
    std::mt19937_64 TimeOfDay;
    uint32_t Now = 0;
};

} // namespace zorva

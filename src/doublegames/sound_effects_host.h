#pragma once
#include "doublegames/double_game.h"
#include "mainwindow/sound_effects.h"

namespace zorva {

// A double-or-nothing host over the game's sound effects and the platform clock: sounds play in
// their own modes (nothing plays or waits with sound off) and a pause sleeps in a nested event loop.
class TSoundEffectsHost : public TDoubleGameHost {
  public:
    explicit TSoundEffectsHost(TSoundEffects& effects) : Effects(effects) {}

    void Play(SoundId sound) override;
    void Pause(double seconds) override;
    uint32_t UtcMillisecondOfDay() override;

  private:
    TSoundEffects& Effects;
};

} // namespace zorva

#pragma once
#include "doublegames/double_game.h"
#include "mainwindow/sound_effects.h"
#include "platform/desktop.h"

namespace zorva {

// A double-or-nothing host over the game's sound effects and the platform clock: sounds play in
// their own modes (nothing plays or waits with sound off), a pause sleeps in a nested event loop, and
// hints go to the desktop's boxes.
class TSoundEffectsHost : public TDoubleGameHost {
  public:
    TSoundEffectsHost(TSoundEffects& effects, TDesktop& desktop) : Effects(effects), Desktop(desktop) {}

    void Play(SoundId sound) override;
    void Pause(double seconds) override;
    uint32_t UtcMillisecondOfDay() override;
    void ShowInformation(const std::string& text) override { Desktop.ShowInformation(text); }
    void ShowHelp(int topic, QWidget* window) override { Desktop.ShowHelp(topic, window); }

  private:
    TSoundEffects& Effects;
    TDesktop& Desktop;
};

} // namespace zorva

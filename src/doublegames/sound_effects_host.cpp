#include "doublegames/sound_effects_host.h"

#include <cmath>

#include "platform/clock.h"

namespace zorva {

void TSoundEffectsHost::Play(SoundId sound) {
    Effects.Play(sound);
}

void TSoundEffectsHost::Pause(double seconds) {
    WaitUntil(TickCount() + static_cast<uint32_t>(std::lround(seconds * 1000.0)));
}

uint32_t TSoundEffectsHost::UtcMillisecondOfDay() {
    return ::zorva::UtcMillisecondOfDay();
}

} // namespace zorva

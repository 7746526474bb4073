#pragma once
#include <array>
#include <string_view>

#include "engine/sounds.h"
#include "sounds/synthesis.h"

namespace zorva::sounds {

// What each sound of the game (engine/sounds.h names them and their files) is made to be. The lengths suit
// how the game plays them: the click must fit between wheels stopping 25 ms apart, the tick between count-off
// steps 100 ms apart, and the sounds the game waits for stay short so a refill of six dollars or three globes
// keeps moving.
struct TSoundDesign {
    SoundId Id;
    std::string_view Role;
    double Seconds;
    double Peak; // loudest sample as a fraction of full scale
    bool Loop;   // repeats seamlessly: starts on a zero crossing and its end runs on into its start
};

extern const std::array<TSoundDesign, 11> SoundDesigns;

// The finished wave of one design: exactly its length, faded in and out unless it loops,
// free of DC offset and scaled to its peak.
TSamples Synthesise(const TSoundDesign& design);

} // namespace zorva::sounds

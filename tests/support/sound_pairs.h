#pragma once
#include <QString>

#include "platform/sound_player.h"
#include "support/sound_server.h"

namespace zorva::testing {

// What the recording holds after PlayPairs.
struct TPairsHeard {
    int Played = 0;    // sounds that followed a click
    int Heard = 0;     // of them, found whole sample for sample
    int Clicks = 0;    // clicks played
    int ClicksHeard = 0;
    int Loops = 0;     // times the chaser's loop was played
    int LoopsHeld = 0; // of them, heard without a break from their start until the next sound's
    int LongestLoopGapMs = 0; // the longest silence between a loop and the sound that ended it
    int SilentCycles = 0;     // PipeWire's own silent cycles inside the sounds found (see FindSound)
};

// Plays pairs as the game does, a click and 50 to 300 ms later another sound (the refusal, a
// dollar-row refill played synchronously back to back, the scatter's ring), on the server that
// `player` reaches, and every tenth pair a click followed by the chaser's loop, ended by the
// next click. The program folder holds the baked sounds.
TPairsHeard PlayPairs(TSoundPlayer& player, TPrivateSoundServer& server, const QString& programFolder, int pairs);

} // namespace zorva::testing

#pragma once
#include <cstdint>
#include <vector>

#include "sounds/synthesis.h"

namespace zorva::sounds {

// A plain RIFF wave file: one channel of 16-bit PCM at SampleRate, samples clipped to ±1.
std::vector<uint8_t> EncodeWave(const TSamples& samples);

} // namespace zorva::sounds

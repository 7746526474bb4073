#pragma once
#include <array>
#include <cstdint>

#include "engine/random.h"

namespace zorva {

inline constexpr int MysteryBoxCount = 8;
inline constexpr int MysteryDealRounds = 1001;

using TMysteryPrizes = std::array<int32_t, MysteryBoxCount>;

// How a deal moves the boxes about: one SSSE3 byte shuffle a half-round where the processor has it,
// or a table of moves followed prize by prize anywhere. Both deal exactly the same.
enum class TBoxShuffler { Portable, Ssse3 };
bool Ssse3Available();

// Deals the prizes as 1001 rounds that each swap box i with box rng.Random(8) for i = 0..7 in
// turn, and leaves rng where those 8008 draws leave it.
TMysteryPrizes DealMysteryPrizes(TRandom& rng, const TMysteryPrizes& prizes);
TMysteryPrizes DealMysteryPrizes(TRandom& rng, const TMysteryPrizes& prizes, TBoxShuffler shuffler);

} // namespace zorva

#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "engine/random.h"
#include "engine/symbols.h"

namespace zorva {

// The nine stops a spin draws when the clock reads the given time of day, with the blur offsets
// drawn between them (the motion strip is 576 pixels high).
struct TDraw {
    TStops Stops{};
    std::array<int, WheelCount> Offsets{};
};

inline TDraw DrawFromSeed(uint32_t seed) {
    TRandom rng;
    rng.Randomize(seed);
    TDraw draw;
    for (int w = 0; w < WheelCount; ++w) {
        draw.Offsets[w] = rng.Random(576);
        draw.Stops[w] = rng.Random(StripLength);
    }
    return draw;
}

// The first time of day whose spin draws stops that are wanted; 0 when none below 50 million does.
inline uint32_t SeedWhere(const std::function<bool(const TStops&)>& wanted) {
    for (uint32_t seed = 1; seed < 50'000'000; ++seed)
        if (wanted(DrawFromSeed(seed).Stops))
            return seed;
    return 0;
}

} // namespace zorva

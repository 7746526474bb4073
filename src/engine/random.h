#pragma once
#include <cstdint>

namespace zorva {

// The game's one generator: a 32-bit linear congruential generator whose draw is the
// high half of seed × n, so every value below n is equally likely up to rounding.
struct TRandom {
    uint32_t Seed = 0;

    int Random(int n) {
        Seed = Seed * 134775813u + 1u;
        return static_cast<int>((uint64_t{Seed} * static_cast<uint32_t>(n)) >> 32);
    }

    // Seeds from the UTC time of day, in milliseconds since midnight.
    void Randomize(uint32_t utcMillisecondOfDay) { Seed = utcMillisecondOfDay; }
};

uint32_t MillisecondOfDay(int hour, int minute, int second, int millisecond);

} // namespace zorva

#pragma once
#include <cstdint>

namespace zorva {

// The game's one generator: a 32-bit linear congruential generator whose draw is the
// high half of seed × n, so every value below n is equally likely up to rounding.
struct TRandom {
    static constexpr uint32_t Multiplier = 134775813u;

    uint32_t Seed = 0;

    static constexpr uint32_t Next(uint32_t seed) { return seed * Multiplier + 1u; }
    // The draw below n that a seed stands for.
    static constexpr int Below(uint32_t seed, int n) {
        return static_cast<int>((uint64_t{seed} * static_cast<uint32_t>(n)) >> 32);
    }

    int Random(int n) {
        Seed = Next(Seed);
        return Below(Seed, n);
    }

    // Seeds from the UTC time of day, in milliseconds since midnight.
    void Randomize(uint32_t utcMillisecondOfDay) { Seed = utcMillisecondOfDay; }
};

// The generator's step taken a number of times at once: seed × Multiplier + Increment.
struct TRandomJump {
    uint32_t Multiplier = 1;
    uint32_t Increment = 0;

    constexpr uint32_t From(uint32_t seed) const { return seed * Multiplier + Increment; }
};

constexpr TRandomJump RandomJumpOf(int steps) {
    TRandomJump jump;
    for (int i = 0; i < steps; ++i)
        jump = {jump.Multiplier * TRandom::Multiplier, TRandom::Next(jump.Increment)};
    return jump;
}

uint32_t MillisecondOfDay(int hour, int minute, int second, int millisecond);

} // namespace zorva

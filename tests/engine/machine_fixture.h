#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "engine/machine.h"
#include "engine/payoffs.h"
#include "fake_host.h"

namespace zorva {

// The nine stops a spin would draw from a given seed, with the blur offsets drawn between them.
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

class MachineTest : public ::testing::Test {
  protected:
    TGameSession Session;
    TFakeHost Host;
    TSlotMachine Machine{Session, Host};

    MachineTest() { Host.Machine = &Machine; }

    uint8_t Shown(const TStops& stops, int wheel) const { return Machine.Strips[wheel][stops[wheel]]; }

    int LinePays(const TStops& stops, int line) const {
        TStrips strips{};
        BuildStrips(strips);
        return NormalLinePayoff(LineSymbols(strips, stops, line)).Total();
    }

    // The first time of day whose spin draws stops the test wants.
    uint32_t SeedWhere(const std::function<bool(const TStops&)>& wanted) const {
        for (uint32_t seed = 1; seed < 50'000'000; ++seed)
            if (wanted(DrawFromSeed(seed).Stops))
                return seed;
        ADD_FAILURE() << "no seed found";
        return 0;
    }

    bool Quiet(const TStops& stops) const {
        for (int line = 0; line < LineCount; ++line)
            if (LinePays(stops, line) > 0)
                return false;
        for (int w = 0; w < WheelCount; ++w)
            if (Shown(stops, w) == Wild)
                return false;
        return Shown(stops, 4) != Mystery;
    }

    // Sets the moment the next spin reads, so that it draws the stops wanted.
    void NextSpinDraws(const std::function<bool(const TStops&)>& wanted) {
        Host.TimeOfDay = SeedWhere(wanted);
    }
};

} // namespace zorva

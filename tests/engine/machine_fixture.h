#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "engine/machine.h"
#include "engine/payoff_table.h"
#include "seeded_draw.h"
#include "support/fake_host.h"

namespace zorva {

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
        EXPECT_NE(Host.TimeOfDay, 0u) << "no seed found";
    }
};

} // namespace zorva

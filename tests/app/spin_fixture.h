#pragma once
#include <functional>

#include "engine/payoff_table.h"
#include "form_fixture.h"
#include "seeded_draw.h"

namespace zorva {

// A main window whose next spin draws stops of the test's choosing, and what those stops show.
class SpinTest : public FormTest {
  protected:
    static TStops StopsOf(uint32_t seed) { return DrawFromSeed(seed).Stops; }
    // Sets the clock so that the next spin draws stops the test wants.
    void NextSpinDraws(const std::function<bool(const TStops&)>& wanted) {
        Clock.TimeOfDay = SeedWhere(wanted);
        ASSERT_NE(Clock.TimeOfDay, 0u) << "no such spin";
    }
    TLinePayoff Line(const TStops& s, int line) const {
        TStrips strips{};
        BuildStrips(strips);
        return NormalLinePayoff(LineSymbols(strips, s, line));
    }
    int32_t Wins(const TStops& s) const {
        int32_t total = 0;
        for (int line = 0; line < LineCount; ++line)
            total += Line(s, line).Total();
        return total;
    }
    bool NoWild(const TStops& s) const {
        TStrips strips{};
        BuildStrips(strips);
        for (int w = 0; w < WheelCount; ++w)
            if (strips[w][s[w]] == Wild)
                return false;
        return true;
    }
    // No wild, no mystery, no globe or dollar line: the win is the lines' and nothing else.
    bool Plain(const TStops& s) const {
        if (!NoWild(s) || ShowsMystery(s))
            return false;
        for (int line = 0; line < LineCount; ++line)
            if (Line(s, line).Symbol == Dollar || Line(s, line).Symbol == Globe)
                return false;
        return true;
    }
    bool ShowsMystery(const TStops& s) const {
        TStrips strips{};
        BuildStrips(strips);
        return strips[4][s[4]] == Mystery;
    }
    bool DollarLine(const TStops& s) const {
        for (int line = 0; line < LineCount; ++line)
            if (Line(s, line).Symbol == Dollar)
                return true;
        return false;
    }
};

} // namespace zorva

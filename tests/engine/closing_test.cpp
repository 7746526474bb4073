#include "machine_fixture.h"

namespace zorva {
namespace {

class Closing : public MachineTest {
  protected:
    Closing() {
        Session.PayMode = true;
        Session.Double = true;
        Host.DoubleGame = [&](bool) { ++GamesOpened; };
    }

    bool ShowsWildOrMystery(const TStops& s) const {
        for (int w = 0; w < WheelCount; ++w)
            if (Shown(s, w) == Wild)
                return true;
        return Shown(s, 4) == Mystery;
    }
    bool DollarLineWins(const TStops& s) const {
        TStrips strips{};
        BuildStrips(strips);
        for (int line = 0; line < LineCount; ++line)
            if (NormalLinePayoff(LineSymbols(strips, s, line)).Symbol == Dollar)
                return true;
        return false;
    }
    int32_t PaidSpinWins(const TStops& s) const {
        int32_t total = 0;
        for (int line = 0; line < LineCount; ++line)
            total += LinePays(s, line);
        return total;
    }

    // What the window does when it is closed while the engine is busy.
    void CloseAt(uint32_t at) {
        Host.At(at, [&] {
            Machine.Closing = true;
            Machine.StopRequested = true;
            Session.AutoSpin = false;
        });
    }

    int GamesOpened = 0;
};

// Closing mid-spin must not lose the win, the free spins it earned or their winnings, and must
// not keep the player waiting for animations, a count-off or a double-or-nothing window.
TEST_F(Closing, MidSpinSettlesEverythingAtOnceAndPaysInFull) {
    Session.Dollars = 1;
    NextSpinDraws([&](const TStops& s) { return DollarLineWins(s) && !ShowsWildOrMystery(s); });
    const TDraw paid = DrawFromSeed(Host.TimeOfDay);
    CloseAt(500);
    Machine.RequestSpin();

    EXPECT_EQ(GamesOpened, 0);
    EXPECT_EQ(Session.NumberOfBonusRolls, 3) << "the free spins earned are still played";
    EXPECT_EQ(Session.FreeSpinsLeft, 0);
    EXPECT_EQ(Session.SpinWinnings, 0);
    EXPECT_EQ(Session.Credits, 1000 - 8 + PaidSpinWins(paid.Stops) + Session.BonusRollWon);
    EXPECT_LT(Host.Now, 1500u) << "no animation, count-off or pause after the close";
    EXPECT_EQ(Host.Count("SpinSettled"), 1) << "one paid spin, settled once";
}

// A mystery bonus that would wait for Stop is picked and paid when nobody is left to press it.
TEST_F(Closing, MysteryBonusIsAwardedInsteadOfWaitingForThePlayer) {
    Session.AutoSpin = false;
    NextSpinDraws([&](const TStops& s) { return Shown(s, 4) == Mystery && PaidSpinWins(s) == 0; });
    CloseAt(100);
    Machine.RequestSpin();
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer1)) << "no chaser left running";
    EXPECT_GT(Session.MysteryBonus, 0);
    EXPECT_EQ(Session.Credits, 1000 - 8 + Session.MysteryBonus);
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Chaser)), 0);
}

// A count-off already running finishes in one step.
TEST_F(Closing, CountOffInProgressPaysTheRestAtOnce) {
    Session.SpinWinnings = 1200;
    CloseAt(1000);
    Machine.PaySpinWinnings();
    EXPECT_EQ(Session.Credits, 2200);
    EXPECT_EQ(Session.SpinWinnings, 0);
    EXPECT_LE(Host.Now, 1100u);
}

} // namespace
} // namespace zorva

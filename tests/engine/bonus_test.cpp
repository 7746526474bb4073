#include <algorithm>

#include "machine_fixture.h"

namespace zorva {
namespace {

class Bonus : public MachineTest {
  protected:
    Bonus() { Session.Double = false; }

    bool DollarLineWins(const TStops& s) const {
        for (int line = 0; line < LineCount; ++line) {
            TStrips strips{};
            BuildStrips(strips);
            if (NormalLinePayoff(LineSymbols(strips, s, line)).Symbol == Dollar)
                return true;
        }
        return false;
    }
    bool MysteryShows(const TStops& s) const { return Shown(s, 4) == Mystery; }
    // No line pays and no wild feeds the pool.
    bool NothingElse(const TStops& s) const {
        for (int w = 0; w < WheelCount; ++w)
            if (Shown(s, w) == Wild)
                return false;
        for (int line = 0; line < LineCount; ++line)
            if (LinePays(s, line) > 0)
                return false;
        return true;
    }
};

TEST_F(Bonus, FreeSpinsPlayOutOnTheirOwnStripsAndTheNextSpinRestoresTheScreen) {
    Session.Dollars = 1;
    Session.AutoSpin = false;
    NextSpinDraws([&](const TStops& s) { return DollarLineWins(s) && !MysteryShows(s); });
    const TDraw paid = DrawFromSeed(Host.TimeOfDay);
    Machine.RequestSpin();

    EXPECT_EQ(Session.Spins, 1);
    EXPECT_EQ(Session.TotalBets, 8) << "free spins take no bet";
    EXPECT_EQ(Session.NumberOfBonusRolls, 3);
    EXPECT_EQ(Session.FreeSpinsLeft, 0);
    EXPECT_EQ(Session.Dollars, 6);
    EXPECT_FALSE(Machine.FreeSpinMode);
    EXPECT_TRUE(Machine.RestoreStrips);
    EXPECT_EQ(Machine.SavedStops, paid.Stops);
    EXPECT_EQ(Machine.Strips[4], DecodeStrip(FreeSpinStripText)) << "the last free spin stays on screen";
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer5));
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Click)), 9 * 4) << "one paid and three free spins";
    EXPECT_GT(Host.Entries("FreeSpins").size(), 3u * 8u) << "the count blinks every 300 ms of each free spin";

    // The next spin first shows the spin that won the free spins, then spins.
    TStops shownAtRepaint{};
    TStrip centreAtRepaint{};
    Host.OnRepaintAll = [&] {
        shownAtRepaint = Machine.Stops;
        centreAtRepaint = Machine.Strips[4];
    };
    Machine.RequestSpin();
    EXPECT_EQ(shownAtRepaint, paid.Stops);
    EXPECT_EQ(centreAtRepaint, DecodeStrip(NormalStripTexts[4]));
    EXPECT_FALSE(Machine.RestoreStrips);
    EXPECT_EQ(Session.TotalBets, 16);
}

TEST_F(Bonus, MysteryChaserRunsUntilStopAndPaysThePrizeOfTheBoxReached) {
    NextSpinDraws([&](const TStops& s) { return MysteryShows(s) && NothingElse(s); });
    Session.CoinsPerLine = 2;
    Machine.RequestSpin();
    ASSERT_TRUE(Machine.TimerEnabled(TimerId::Timer1));
    EXPECT_TRUE(Machine.TimerEnabled(TimerId::Timer2));
    EXPECT_EQ(Host.Entries("Play").back(), SoundEntry(SoundId::Chaser));
    EXPECT_FALSE(Session.Spinning) << "Stop and the options stay live while the chaser waits";

    auto prizes = Machine.MysteryPrizes;
    std::sort(prizes.begin(), prizes.end());
    EXPECT_EQ(prizes, (std::array<int32_t, 8>{20, 20, 20, 20, 20, 50, 50, 200}));

    const int first = Machine.MysteryPick;
    Host.HandleEvents(Host.Now + 3 * 350 + 10);
    EXPECT_EQ(Machine.MysteryPick, (first + 3) % 8);
    EXPECT_TRUE(Machine.MysteryLit[Machine.MysteryPick]);
    EXPECT_EQ(std::count(Machine.MysteryLit.begin(), Machine.MysteryLit.end(), true), 1);

    const int reached = Machine.MysteryPick;
    const int32_t prize = Machine.MysteryPrizes[reached];
    const int32_t credits = Session.Credits;
    Host.Log.clear();
    Machine.PressStop();
    EXPECT_EQ(Host.Log[0], SoundEntry(SoundId::Click));
    EXPECT_EQ(Host.Log[1], SoundEntry(SoundId::MysteryAward));
    // The award sound plays to its end with the chaser's timer enabled; the lit box must not move on.
    EXPECT_EQ(Machine.MysteryPick, reached);
    EXPECT_TRUE(Machine.MysteryLit[reached]);
    EXPECT_EQ(Host.Count("Box " + std::to_string(reached)), 0) << "the chaser stepped during the award";
    EXPECT_EQ(Host.Count("Prize " + std::to_string(reached) + " chosen"), 1);
    EXPECT_EQ(Session.Credits, credits + prize);
    EXPECT_EQ(Session.MysteryBonus, prize);
    EXPECT_EQ(Host.Count("PrizeSettled"), 1) << "the prize is saved as soon as it is paid";
    EXPECT_EQ(SummaryText(Session.LastSpinSummary), "There were no winning lines on the last spin.\r\nWon " +
                                                        std::to_string(prize) + " credit bonus.");
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer1));
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer2));
}

TEST_F(Bonus, WithAutoSpinTheMysteryBoxIsPickedAtOnceAndPaidBeforeTheNextSpin) {
    NextSpinDraws([&](const TStops& s) { return MysteryShows(s) && !DollarLineWins(s); });
    Session.AutoSpin = true;
    ASSERT_TRUE(Machine.SpinIfBetAccepted());
    EXPECT_EQ(Host.Entries(SoundEntry(SoundId::Chaser)).size(), 0u);
    EXPECT_TRUE(Machine.MysteryLit[Machine.MysteryPick]);
    EXPECT_EQ(Session.MysteryBonus, Machine.MysteryPrizes[Machine.MysteryPick]);
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer1));
}

TEST_F(Bonus, FreeSpinsAbandonAWaitingMysteryChaserWithoutPayingIt) {
    Session.Dollars = 1;
    NextSpinDraws([&](const TStops& s) { return MysteryShows(s) && DollarLineWins(s); });
    Machine.RequestSpin();
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Chaser)), 1);
    EXPECT_EQ(Session.MysteryBonus, 0);
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer1));
    EXPECT_EQ(Session.NumberOfBonusRolls, 3);
}

// Pins the deal of a known moment, so a faster shuffle can never quietly deal differently.
TEST_F(Bonus, MysteryPrizesOfAKnownMomentAreDealtTheSameEveryTime) {
    Host.TimeOfDay = MillisecondOfDay(12, 34, 56, 789);
    Session.CoinsPerLine = 3;
    Machine.FillMysteryPrizes();
    EXPECT_EQ(Machine.MysteryPrizes, (std::array<int32_t, 8>{300, 75, 30, 30, 30, 30, 75, 30}));
    EXPECT_EQ(Machine.Rng.Seed, 536'118'573u) << "8008 draws, no more, no fewer";
}

TEST_F(Bonus, StopBeforeTheFirstChaserStepPaysTheStartingBoxWithAllBoxesUnlit) {
    NextSpinDraws([&](const TStops& s) { return MysteryShows(s) && !DollarLineWins(s); });
    Machine.RequestSpin();
    const int pick = Machine.MysteryPick;
    Machine.PressStop();
    EXPECT_EQ(std::count(Machine.MysteryLit.begin(), Machine.MysteryLit.end(), true), 0);
    EXPECT_EQ(Session.MysteryBonus, Machine.MysteryPrizes[pick]);
}

} // namespace
} // namespace zorva

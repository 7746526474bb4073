#include <algorithm>

#include "engine/credit_history.h"
#include "machine_fixture.h"

namespace zorva {
namespace {

int CountEvents(const TCreditHistory& history, TCreditEvent event) {
    return static_cast<int>(std::count_if(history.Points().begin(), history.Points().end(),
                                          [event](const TCreditPoint& p) { return p.Event == event; }));
}

class CreditHistoryOfTheMachine : public MachineTest {
  protected:
    CreditHistoryOfTheMachine() {
        Session.Double = false;
        Host.Animated = false;
    }
};

// Guards against a point per free spin, or a point taken before the free spins' winnings are paid.
TEST_F(CreditHistoryOfTheMachine, APaidSpinWithItsFreeSpinsAddsOnePointWithTheCreditsAtRest) {
    Session.Dollars = 1;
    NextSpinDraws([&](const TStops& s) {
        TStrips strips{};
        BuildStrips(strips);
        bool dollarLine = false;
        for (int line = 0; line < LineCount; ++line)
            dollarLine = dollarLine || NormalLinePayoff(LineSymbols(strips, s, line)).Symbol == Dollar;
        return dollarLine && Shown(s, 4) != Mystery;
    });
    Machine.RequestSpin();
    ASSERT_EQ(Session.NumberOfBonusRolls, 3);

    const auto& points = Session.CreditHistory.Points();
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].Event, TCreditEvent::Spin);
    EXPECT_EQ(points[0].SpinNumber, 1);
    EXPECT_EQ(points[0].Credits, Session.Credits);
}

// Guards against a new game that the plot cannot tell from a lucky spin.
TEST_F(CreditHistoryOfTheMachine, ANewGameIsMarkedAtItsThousandCreditsAfterTheSpinsBeforeIt) {
    NextSpinDraws([&](const TStops& s) { return Quiet(s); });
    Machine.RequestSpin();
    Machine.RequestSpin();
    Machine.NewGame();

    const auto& points = Session.CreditHistory.Points();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].Credits, 1000 - 16);
    EXPECT_EQ(points[2].Event, TCreditEvent::NewGame);
    EXPECT_EQ(points[2].SpinNumber, 2);
    EXPECT_EQ(points[2].Credits, 1000);
}

// Guards against a history that grows without end over days of auto spin, loses the player's
// marks when it is thinned, or keeps the old spins much sparser than the recent ones.
TEST(CreditHistory, StaysWithinItsCapacityAndKeepsMarksTheLatestSpinAndAnEvenSpacing) {
    TCreditHistory history(256);
    constexpr int Spins = 1'000'000;
    history.Begin(0);
    std::size_t largest = 0;
    for (int spin = 1; spin <= Spins; ++spin) {
        history.AddSpin(spin);
        if (spin % 50'000 == 0)
            history.Mark(spin % 100'000 == 0 ? TCreditEvent::Borrow : TCreditEvent::PayBack, -spin);
        largest = std::max(largest, history.Points().size());
    }
    EXPECT_LT(largest, history.Capacity());
    EXPECT_GT(history.Points().size(), history.Capacity() / 2 - 20) << "thinning keeps enough to plot";
    EXPECT_EQ(CountEvents(history, TCreditEvent::Borrow) + CountEvents(history, TCreditEvent::PayBack), 20);
    EXPECT_EQ(history.SpinsSettled(), Spins);

    const auto& points = history.Points();
    EXPECT_EQ(points.back().Event, TCreditEvent::Borrow);
    EXPECT_EQ(points[points.size() - 2].SpinNumber, Spins) << "the latest spin stays";
    EXPECT_EQ(points.front().SpinNumber, 0) << "the run's start stays";
    // Old and new spins alike are kept at one stride, a small share of the run.
    std::vector<int64_t> spinNumbers;
    for (const TCreditPoint& p : points)
        if (p.Event == TCreditEvent::Spin)
            spinNumbers.push_back(p.SpinNumber);
    ASSERT_TRUE(std::is_sorted(spinNumbers.begin(), spinNumbers.end()));
    const int64_t stride = spinNumbers[1] - spinNumbers[0];
    EXPECT_LE(stride, 4 * Spins / static_cast<int64_t>(history.Capacity()));
    for (std::size_t i = 1; i < spinNumbers.size(); ++i)
        ASSERT_LE(spinNumbers[i] - spinNumbers[i - 1], stride) << "at spin " << spinNumbers[i];
    for (const TCreditPoint& p : points) {
        if (p.Event == TCreditEvent::Spin) {
            EXPECT_EQ(p.Credits, p.SpinNumber) << "each point keeps its own spin's credits";
        }
    }
}

// Guards against a player who only ever borrows filling memory with marks.
TEST(CreditHistory, MarksAloneAreBoundedToo) {
    TCreditHistory history(64);
    for (int i = 0; i < 100'000; ++i)
        history.Mark(TCreditEvent::Borrow, i);
    EXPECT_LT(history.Points().size(), history.Capacity());
    EXPECT_EQ(history.Points().back().Credits, 99'999);
}

} // namespace
} // namespace zorva

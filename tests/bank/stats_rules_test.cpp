#include "bank/stats_rules.h"

#include <gtest/gtest.h>
#include <limits>

namespace zorva {
namespace {

// Guards the sums: the five sources add up to the payoffs, and the percentage leaves the
// double-or-nothing result out.
TEST(Statistics, PayoffsSplitBySourceAndThePercentageLeavesDoubleOrNothingOut) {
    TGameSession session;
    NewGameReset(session);
    TStatistics fresh = ComputeStatistics(session);
    EXPECT_EQ(fresh.Spins, 0);
    EXPECT_EQ(fresh.Payoffs, 0);
    EXPECT_EQ(fresh.Credits, 1000);
    EXPECT_EQ(fresh.Borrowed, 1000);
    EXPECT_EQ(FormatPercentage(fresh.Percentage, "."), "0.00%") << "no bet yet, no division by zero";

    session.Spins = 12;
    session.TotalBets = 100;
    session.Credits = 995; // 100 bet, 95 paid
    EXPECT_EQ(ComputeStatistics(session).Payoffs, 95);
    EXPECT_EQ(FormatPercentage(ComputeStatistics(session).Percentage, "."), "95.00%");

    session.Credits -= 40;
    session.DoubleOrNothingWon = -40;
    const TStatistics lost = ComputeStatistics(session);
    EXPECT_EQ(lost.Payoffs, 55);
    EXPECT_EQ(lost.DoubleOrNothing, -40);
    EXPECT_EQ(FormatPercentage(lost.Percentage, "."), "95.00%") << "double-or-nothing does not count";

    session.Credits += 20 + 30 + 7;
    session.BonusRollWon = 20;
    session.BonusPoolWon = 30;
    session.MysteryBonus = 7;
    session.NumberOfBonusRolls = 3;
    const TStatistics s = ComputeStatistics(session);
    EXPECT_EQ(s.Spins, 15);
    EXPECT_EQ(s.Payoffs, 112);
    EXPECT_EQ(s.Normal + s.FreeSpinWinnings + s.BonusPool + s.DoubleOrNothing + s.MysteryBonus, s.Payoffs);
    EXPECT_EQ(s.Normal, 95);
    EXPECT_EQ(FormatPercentage(s.Percentage, ","), "152,00%");
}

// Guards against a fortune near the top of the 32-bit range wrapping into a loss.
TEST(Statistics, SumsBeyondThirtyTwoBitsAreShownTrue) {
    TGameSession session;
    session.Credits = std::numeric_limits<int32_t>::max();
    session.Borrowed = 0;
    session.TotalBets = 2'000'000'000;
    EXPECT_EQ(ComputeStatistics(session).Payoffs, 4'147'483'647);
    EXPECT_EQ(FormatFigure(ComputeStatistics(session).Payoffs, ","), "4,147,483,647");
}

// Guards the figure format: thousands separators of the locale, a sign, padding to ten characters.
TEST(Statistics, FiguresCarryTheLocaleSeparatorAndArePaddedToTenCharacters) {
    EXPECT_EQ(FormatFigure(1'200'000, ","), " 1,200,000");
    EXPECT_EQ(FormatFigure(1'200'000, "."), " 1.200.000");
    EXPECT_EQ(FormatFigure(1'200'000, "\u202F"), " 1\u202F200\u202F000")
        << "a separator of several bytes is one character";
    EXPECT_EQ(FormatFigure(0, ","), "         0");
    EXPECT_EQ(FormatFigure(-40, ","), "       -40");
    EXPECT_EQ(FormatFigure(-1000, ","), "    -1,000");
    EXPECT_EQ(FormatFigure(999, ","), "       999");
    EXPECT_EQ(FormatFigure(std::numeric_limits<int32_t>::min(), ","), "-2,147,483,648");
}

} // namespace
} // namespace zorva

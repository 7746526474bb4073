#include <gtest/gtest.h>

#include "odds/exact_odds.h"

namespace zorva {
namespace {

TLineCountOdds Odds(std::initializer_list<std::pair<int, double>> entries) {
    TLineCountOdds odds{};
    for (auto [k, p] : entries)
        odds[k] = p;
    return odds;
}

// The rows are won once per `full` counted lines when lines come one at a time, and the lines
// beyond the last picture are lost rather than carried over; a wrong chain gets either wrong.
TEST(ExactOdds, RowsAreWonOncePerFullRowAndDropTheExtraLines) {
    EXPECT_NEAR(RowAwardsPerSpin(Odds({{0, 0.7}, {1, 0.3}}), 3), 0.1, 1e-12);
    EXPECT_NEAR(RowAwardsPerSpin(Odds({{0, 0.7}, {1, 0.3}}), 6), 0.05, 1e-12);
    // Two lines every spin: 3 -> 1 -> won; 6 -> 4 -> 2 -> won. The chain never settles, it cycles.
    EXPECT_NEAR(RowAwardsPerSpin(Odds({{2, 1.0}}), 3), 1.0 / 2.0, 1e-12);
    EXPECT_NEAR(RowAwardsPerSpin(Odds({{2, 1.0}}), 6), 1.0 / 3.0, 1e-12);
    // A full row emptied at once in every spin is won every spin.
    EXPECT_NEAR(RowAwardsPerSpin(Odds({{8, 1.0}}), 6), 1.0, 1e-12);
}

// One line, worked by hand from the strips: wheels 1-3 show a globe or wild 3, 3 and 4 times in
// 20, a dollar or wild 3, 3 and 4 times; three wilds (1 in 8000) count as globes, not dollars.
TEST(ExactOdds, OneLineMatchesTheStripsCountedByHand) {
#ifdef ZORVA_SHORT_RUNS
    GTEST_SKIP() << "plays 10^8 stop combinations; too slow under the sanitizers";
#endif
    const TExactOdds odds = ComputeExactOdds(1, 2);
    EXPECT_NEAR(odds.GlobeLines[1], 36.0 / 8000.0, 1e-12);
    EXPECT_NEAR(odds.DollarLines[1], 35.0 / 8000.0, 1e-12);
    EXPECT_NEAR(odds.PoolAwardsPerSpin, 36.0 / 8000.0 / 3.0, 1e-12);
    EXPECT_NEAR(odds.FreeSpinAwardsPerSpin, 35.0 / 8000.0 / 6.0, 1e-12);
    EXPECT_NEAR(odds.ReturnLines(), 2 * 663.0 / 800.0, 1e-12);
    EXPECT_NEAR(odds.ReturnMystery(), 2 * 25.0 / 20.0, 1e-12);
    // The pool pays its feed of 1.35 credits a spin plus a fresh 100 per award, whatever the coins.
    EXPECT_NEAR(odds.ReturnPool(), 1.35 + 100.0 * 36.0 / 24000.0, 1e-9);
    EXPECT_NEAR(odds.ReturnFreeSpins(), 35.0 / 48000.0 * 3 * 2 * 4149.0 / 1600.0, 1e-12);
}

} // namespace
} // namespace zorva

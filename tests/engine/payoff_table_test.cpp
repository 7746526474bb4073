#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "engine/payoff_table.h"
#include "engine/symbols.h"

namespace zorva {
namespace {

struct TFraction {
    int64_t Numerator;
    int64_t Denominator;
};

// Exact expected return per coin of each payline, Double Payoffs included. A wrong strip
// character or payoff rule anywhere moves at least one of these.
TEST(LinePayoffs, EveryPaylineReturnsItsExactExpectationOverAllStopCombinations) {
    const TFraction expected[LineCount] = {{663, 800}, {127, 160}, {333, 400}, {1387, 1600},
                                           {123, 160}, {659, 800}, {661, 800}, {1929, 1600}};
    TStrips strips{};
    BuildStrips(strips);
    int64_t total = 0;
    for (int line = 0; line < LineCount; ++line) {
        const int64_t sum = LinePayoffOverAllStops(strips, line, false);
        EXPECT_EQ(sum * expected[line].Denominator, expected[line].Numerator * StopCombinationsPerLine)
            << "line " << line + 1 << " pays " << sum << "/8000 per coin";
        total += sum;
    }
    EXPECT_EQ(total * 800, 5557 * StopCombinationsPerLine) << "all eight lines: " << total << "/8000";
}

TEST(LinePayoffs, FreeSpinLinePaysExactly2Point593125PerCoin) {
    TStrips strips{};
    TStops saved{};
    BuildFreeSpinStrips(strips, InitialStops, saved);
    for (int line = 0; line < LineCount; ++line)
        EXPECT_EQ(LinePayoffOverAllStops(strips, line, true), 20745)
            << "line " << line + 1; // 2.593125 × 8000
}

TEST(LinePayoffs, NormalTableRulesAndWildMultiplier) {
    auto pays = [](uint8_t a, uint8_t b, uint8_t c) { return NormalLinePayoff({a, b, c}).Total(); };
    EXPECT_EQ(pays(Wild, Wild, Wild), 150) << "three wilds pay 150 with no multiplier";
    EXPECT_EQ(pays(Globe, Wild, Wild), 80) << "globe with two wilds: 20 × 4";
    EXPECT_EQ(pays(Wild, Seven, Wild), 100) << "two wilds with a seven: 25 × 4, less than three wilds";
    EXPECT_EQ(pays(Wild, Seven, Diamond), 0) << "no rule matches whatever the multiplier";
    EXPECT_EQ(pays(Cherries, Wild, Cherries), 10);
    EXPECT_EQ(pays(Dollar, Dollar, Dollar), 10);
    EXPECT_EQ(pays(Diamond, Diamond, Diamond), 15);
    EXPECT_EQ(pays(Bell, Bell, Wild), 30);
    EXPECT_EQ(pays(Mystery, Wild, Wild), 0) << "the mystery symbol matches no rule";
    EXPECT_EQ(pays(Blank, Blank, Blank), 0);
    EXPECT_TRUE(IsGlobeLine({Wild, Wild, Wild})) << "three wilds take a globe too";
    EXPECT_FALSE(IsGlobeLine({Globe, Globe, Dollar}));
}

// The spin looks its lines up; a slip in the table's order would pay one line by another's rule.
TEST(LinePayoffs, TheLookedUpLineDoesWhatTheRulesSayForEveryThreeSymbols) {
    for (uint8_t a = 0; a < SymbolCount; ++a)
        for (uint8_t b = 0; b < SymbolCount; ++b)
            for (uint8_t c = 0; c < SymbolCount; ++c) {
                const TLineSymbols line{a, b, c};
                const TLinePayoff payoff = NormalLinePayoff(line);
                const TNormalLine& looked = NormalLine(line);
                ASSERT_EQ(looked.Total, payoff.Total()) << int(a) << " " << int(b) << " " << int(c);
                ASSERT_EQ(looked.TakesGlobe, IsGlobeLine(line)) << int(a) << " " << int(b) << " " << int(c);
                ASSERT_EQ(looked.PaysDollar, payoff.Symbol == Dollar)
                    << int(a) << " " << int(b) << " " << int(c);
            }
}

TEST(LinePayoffs, FreeSpinTable) {
    EXPECT_EQ(FreeSpinLinePayoff({Seven, Seven, Seven}), 100);
    EXPECT_EQ(FreeSpinLinePayoff({Planet, Planet, Planet}), 50);
    EXPECT_EQ(FreeSpinLinePayoff({Comet, Comet, Comet}), 25);
    EXPECT_EQ(FreeSpinLinePayoff({Moon, Moon, Moon}), 15);
    EXPECT_EQ(FreeSpinLinePayoff({Planet, Moon, Comet}), 10);
    EXPECT_EQ(FreeSpinLinePayoff({Planet, Seven, Comet}), 0);
    EXPECT_EQ(FreeSpinLinePayoff({Blank, Blank, Blank}), 0);
}

TEST(Strips, DecodeToTheirCodesWithMysteryOnlyOnTheCentreWheel) {
    TStrips strips{};
    BuildStrips(strips);
    EXPECT_EQ(strips[7], strips[5]) << "wheels 5 and 7 share a strip";
    for (int a = 0; a < WheelCount; ++a)
        for (int b = a + 1; b < WheelCount; ++b) {
            if (!(a == 5 && b == 7)) {
                EXPECT_NE(strips[a], strips[b]) << a << " vs " << b;
            }
        }
    for (int w = 0; w < WheelCount; ++w) {
        EXPECT_EQ(std::count(strips[w].begin(), strips[w].end(), Wild), 1) << "wheel " << w;
        EXPECT_EQ(std::count(strips[w].begin(), strips[w].end(), Mystery), w == 4 ? 1 : 0) << "wheel " << w;
    }
    EXPECT_EQ(strips[4][19], Mystery);
    for (int w : {2, 4, 6})
        EXPECT_EQ(std::count(strips[w].begin(), strips[w].end(), Blank), 0) << "wheel " << w;
    // The opening stops show 2 1 3 / 4 4 5 / 1 0 6.
    const uint8_t shown[WheelCount] = {2, 1, 3, 4, 4, 5, 1, 0, 6};
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(strips[w][InitialStops[w]], shown[w]) << "wheel " << w;
}

TEST(Strips, FreeSpinStripIgnoresTheTwentyFirstCharacterAndSavesTheStops) {
    TStrips strips{};
    TStops stops{1, 2, 3, 4, 5, 6, 7, 8, 9};
    TStops saved{};
    BuildFreeSpinStrips(strips, stops, saved);
    const TStrip expected{1, 1, 7, 7, 7, 8, 8, 8, 8, 9, 9, 9, 9, 9, 11, 11, 11, 11, 11, 11};
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(strips[w], expected);
    EXPECT_EQ(saved, stops);
}

} // namespace
} // namespace zorva

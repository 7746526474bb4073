#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "sim/arguments.h"
#include "sim/par_sheet.h"

namespace zorva {
namespace {

#ifdef ZORVA_SHORT_RUNS
constexpr int64_t SimulatedSpins = 200'000;
#else
constexpr int64_t SimulatedSpins = 10'000'000;
#endif

// The simulator runs the real spin cycle; its line return must agree with the exact
// 5557/800 credits a spin that enumeration gives, within its own statistical error.
TEST(Simulator, LineReturnMatchesTheExactExpectation) {
    const TParSheet sheet = RunParSheet({8, 1, SimulatedSpins, 2024});
    ASSERT_EQ(sheet.Spins, SimulatedSpins);
    EXPECT_EQ(sheet.Bet, 8 * SimulatedSpins);
    const double perSpin = double(sheet.ReturnLines) / double(sheet.Spins);
    const double error = sheet.LineReturnError();
    EXPECT_NEAR(perSpin, 5557.0 / 800.0, 4.0 * error) << "standard error " << error;
    EXPECT_GT(sheet.ReturnPool, 0);
    EXPECT_GT(sheet.ReturnFreeSpins, 0);
    EXPECT_GT(sheet.ReturnMystery, 0);
    // Mystery: one spin in twenty, 25 credits a coin on average.
    EXPECT_NEAR(double(sheet.ReturnMystery) / double(sheet.Spins), 25.0 / 20.0, 0.05);
    std::printf("%lld spins: lines %.5f ± %.5f per spin (exact 6.94625), %.0f spins per second\n",
                static_cast<long long>(sheet.Spins), perSpin, error, sheet.SpinsPerSecond());
}

TEST(Simulator, JsonHasEveryKey) {
    const std::string json = FormatJson(RunParSheet({3, 2, 1000, 5}));
    for (const char* key : {"\"spins\": 1000", "\"bet\": 6000", "\"return_lines\"", "\"return_pool\"",
                            "\"return_free_spins\"", "\"return_mystery\"", "\"return_total\"",
                            "\"hit_frequency\"", "\"sd_per_spin\"", "\"spins_per_second\""})
        EXPECT_NE(json.find(key), std::string::npos) << key << " in " << json;
}

TEST(Simulator, ArgumentsAreCheckedStrictly) {
    using Args = std::vector<std::string>;
    const auto ok = ParseSimArguments({"--lines", "8", "--coins", "2", "--spins", "100", "--json"});
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->Request.Lines, 8);
    EXPECT_EQ(ok->Request.Coins, 2);
    EXPECT_EQ(ok->Request.Spins, 100);
    EXPECT_TRUE(ok->Json);
    for (const Args& bad :
         {Args{}, Args{"--lines", "8", "--coins", "1"}, Args{"--lines", "9", "--coins", "1", "--spins", "5"},
          Args{"--lines", "0", "--coins", "1", "--spins", "5"},
          Args{"--lines", "8", "--coins", "1", "--spins", "5x"},
          Args{"--lines", "8", "--coins", "1", "--spins", "-5"},
          Args{"--lines", "8", "--coins", "1", "--spins"},
          Args{"--lines", "8", "--coins", "1", "--spins", "5", "--fast"}})
        EXPECT_FALSE(ParseSimArguments(bad)) << ::testing::PrintToString(bad);
}

} // namespace
} // namespace zorva

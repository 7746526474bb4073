#include "saved_game_play.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "saved_fields.h"

namespace zorva {
namespace {

// A saved game the game could never have written (the 32-bit extremes, the pool at its ceiling, the
// rows past either end) must neither overflow a count nor make or lose a credit in the hundreds of
// spins that follow; nor may any sample file the fuzzer starts from. Each sample is played as it stands
// and by four more players: a comment line of its own gives each other luck and changes nothing else.
TEST(SavedGamePlay, EverySampleFilePlaysHundredsOfSpinsWithEveryCreditAccountedFor) {
    std::vector<std::string> samples{
        "",
        "[CurrentGame]\nCredits=-2147483648\nBorrowed=2147483647\nGlobes=2147483647\nDollars=2147483647\n"
        "BonusPool=-2147483648\nSpins=-1\nTotalBets=-2147483648\nNumberOfBonusRolls=-5\nPayMode=1\n",
        "[CurrentGame]\nCredits=0\nBorrowed=0\nGlobes=1\nDollars=1\nBonusPool=2147483600\nPayMode=0\n",
    };
    for (const auto& entry : std::filesystem::directory_iterator(ZORVA_TEST_DATA))
        samples.push_back(ReadBytes(entry.path().string()));
    for (const std::string& sample : samples) {
        EXPECT_EQ(PlaySavedGame(sample), "") << sample.substr(0, 200); // the luck a fuzzer found it with
        for (char player = '1'; player <= '4'; ++player)
            EXPECT_EQ(PlaySavedGame(sample + "\n; player " + player + "\n"), "") << sample.substr(0, 200);
    }
}

} // namespace
} // namespace zorva

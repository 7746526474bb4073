#include <algorithm>

#include "engine/credits.h"
#include "machine_fixture.h"

namespace zorva {
namespace {

class Payout : public MachineTest {
  protected:
    // The sizes of the count-off steps, read from the credits meter as it climbs.
    std::vector<int32_t> CountOff(int32_t winnings) {
        Session.PayMode = true;
        Session.SpinWinnings = winnings;
        Host.Log.clear();
        std::vector<int32_t> steps;
        int32_t credits = Session.Credits;
        Machine.PaySpinWinnings();
        for (const auto& entry : Host.Entries("Meter Credits ")) {
            const int32_t now = std::stoi(entry.substr(14));
            steps.push_back(now - credits);
            credits = now;
        }
        return steps;
    }
};

TEST_F(Payout, CountOffSteps25Then10Then5Then1) {
    const uint32_t start = Host.Now;
    auto steps = CountOff(37);
    EXPECT_EQ(steps.size(), 25u);
    EXPECT_EQ(std::vector<int32_t>(steps.begin(), steps.begin() + 4), (std::vector<int32_t>{5, 5, 5, 1}));
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::CountOffTick)), 25);
    EXPECT_EQ(Host.Now - start, 25u * 100u) << "a tenth of a second a step";
    EXPECT_EQ(Session.SpinWinnings, 0);
    EXPECT_EQ(Session.Credits, 1037);

    steps = CountOff(1200);
    EXPECT_EQ(steps.size(), 132u);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 25), 9);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 10), 88);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 5), 15);
    EXPECT_EQ(std::count(steps.begin(), steps.end(), 1), 20);
    EXPECT_EQ(Session.Credits, 1037 + 1200);

    const std::pair<int32_t, int32_t> firstSteps[] = {{1000, 25}, {999, 10}, {100, 10},
                                                      {99, 5},    {25, 5},   {24, 1}};
    for (auto [amount, first] : firstSteps)
        EXPECT_EQ(CountOff(amount).front(), first) << amount;
}

TEST_F(Payout, NothingToPayPlaysNothingInEitherMode) {
    EXPECT_TRUE(CountOff(0).empty());
    Session.PayMode = false;
    Machine.PaySpinWinnings();
    EXPECT_EQ(Host.Entries("Play").size(), 0u);
    EXPECT_EQ(Session.Credits, 1000);
}

TEST_F(Payout, InstantPayoffKeepsTheWinningsShownAndPlaysThePayoffSound) {
    Session.PayMode = false;
    Session.SpinWinnings = 250;
    Machine.PaySpinWinnings();
    EXPECT_EQ(Session.Credits, 1250);
    EXPECT_EQ(Session.SpinWinnings, 250);
    EXPECT_EQ(Host.Entries("Play"), std::vector<std::string>{SoundEntry(SoundId::Payoff)});
}

// A payout that would pass the largest credit amount stops there instead of wrapping negative.
TEST_F(Payout, CreditsSaturateInsteadOfWrapping) {
    Session.PayMode = false;
    Session.Credits = 2'147'483'000;
    Session.SpinWinnings = 1200;
    Machine.PaySpinWinnings();
    EXPECT_EQ(Session.Credits, 2'147'483'647);

    Session.Credits = 2'147'483'640;
    CountOff(30);
    EXPECT_EQ(Session.Credits, 2'147'483'647);
    EXPECT_EQ(SaturatingAdd(-2'147'483'000, -1000), -2'147'483'647 - 1);
    EXPECT_EQ(SaturatingMultiply(70'000, 70'000), 2'147'483'647);
}

TEST_F(Payout, NewGameKeepsTheBetAndSettingsAndBooksTheOpeningCreditsAsBorrowed) {
    Session.LinesPlayed = 5;
    Session.CoinsPerLine = 3;
    Session.Sound = false;
    Session.Credits = 12;
    Session.DoubleOrNothingWon = -40;
    Session.Dollars = 2;
    Machine.NewGame();
    EXPECT_EQ(Session.Credits - Session.Borrowed, 0);
    EXPECT_EQ(Session.Credits, 1000);
    EXPECT_EQ(Session.Dollars, 6);
    EXPECT_EQ(Session.DoubleOrNothingWon, 0);
    EXPECT_EQ(Session.LinesPlayed * Session.CoinsPerLine, 15);
    EXPECT_FALSE(Session.Sound);
    EXPECT_EQ(Host.Count("RepaintAll"), 1);
}

// A counter the reset forgets carries the old game's results into the new game's statistics.
TEST_F(Payout, NewGameStartsEveryCounterAfreshAndFillsBothRows) {
    Session.FreeSpinsLeft = 3;
    Session.Borrowed = 5000;
    Session.Globes = 1;
    Session.Spins = 77;
    Session.BonusPool = 412;
    Session.BonusPoolWon = 300;
    Session.BonusRollWon = 85;
    Session.NumberOfBonusRolls = 9;
    Session.GotBonusCount = 2;
    Session.TotalBets = 2960;
    Session.MysteryBonus = 50;
    Machine.NewGame();
    EXPECT_EQ(Session.FreeSpinsLeft, 0);
    EXPECT_EQ(Session.Borrowed, 1000);
    EXPECT_EQ(Session.Globes, 3);
    EXPECT_EQ(Session.Spins, 0);
    EXPECT_EQ(Session.BonusPool, 100);
    EXPECT_EQ(Session.BonusPoolWon, 0);
    EXPECT_EQ(Session.BonusRollWon, 0);
    EXPECT_EQ(Session.NumberOfBonusRolls, 0);
    EXPECT_EQ(Session.GotBonusCount, 0);
    EXPECT_EQ(Session.TotalBets, 0);
    EXPECT_EQ(Session.MysteryBonus, 0);
}

} // namespace
} // namespace zorva

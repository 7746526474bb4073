#include "machine_fixture.h"

namespace zorva {
namespace {

// Evaluates a hand-set screen: each wheel's stop is the first place of its strip showing the symbol.
class Evaluation : public MachineTest {
  protected:
    Evaluation() {
        Session.PayMode = false;
        Session.Double = false;
    }

    void Show(std::array<uint8_t, WheelCount> symbols) {
        for (int w = 0; w < WheelCount; ++w) {
            const auto& strip = Machine.Strips[w];
            const auto at = std::find(strip.begin(), strip.end(), symbols[w]);
            ASSERT_NE(at, strip.end()) << "wheel " << w << " has no symbol " << int(symbols[w]);
            Machine.Stops[w] = static_cast<int>(at - strip.begin());
        }
    }
};

TEST_F(Evaluation, WildsOutsideThePlayedLinesStillFeedThePool) {
    Session.LinesPlayed = 1;
    Show({Diamond, Bell, Cherries, Cherries, Cherries, Seven, Dollar, Cherries, Wild});
    Machine.EvaluateSpin();
    EXPECT_EQ(Session.BonusPool, 103);
    EXPECT_EQ(Session.SpinWinnings, 0);
    EXPECT_EQ(SummaryText(Session.LastSpinSummary), "3 credits added to the bonus pool.\r\n")
        << "a feed alone is not 'no winning lines'";
}

TEST_F(Evaluation, PaysEachPlayedLineWithDoublePayoffsAndWritesTheSummary) {
    Session.CoinsPerLine = 2;
    // Seven, wild, seven pays 25 × 2 a coin, the cherries of the middle row 5; nothing else matches.
    Show({Seven, Wild, Seven, Cherries, Cherries, Cherries, Seven, Diamond, Bell});
    Machine.EvaluateSpin();
    EXPECT_EQ(Session.LineWins[0], 2 * 25 * 2);
    EXPECT_EQ(Session.LineWins[1], 2 * 5);
    EXPECT_EQ(Session.LineWins[4], 0) << "W 6 3 matches no rule";
    EXPECT_EQ(SummaryText(Session.LastSpinSummary).substr(0, 35), "3 credits added to the bonus pool.\r");
    EXPECT_NE(SummaryText(Session.LastSpinSummary).find("Line 1 paid 100.\r\nLine 2 paid 10.\r\n"),
              std::string::npos);
    EXPECT_EQ(Machine.FlashLine, 0);
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Win)), 1);
    EXPECT_EQ(Session.Credits, 1000 + Session.SpinWinnings) << "instant payoff";
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Payoff)), 1);
}

TEST_F(Evaluation, TwoGlobeLinesWithOneGlobeLeftWinThePoolOnceAndRefillTheRow) {
    Session.Globes = 1;
    Session.BonusPool = 250;
    Show({Globe, Globe, Globe, Globe, Cherries, Seven, Globe, Diamond, Bell});
    Machine.EvaluateSpin();
    EXPECT_EQ(Session.Globes, 3);
    EXPECT_EQ(Session.BonusPoolWon, 250);
    EXPECT_EQ(Session.BonusPool, 100);
    EXPECT_EQ(Session.SpinWinnings, 20 + 20 + 250);
    // Two line globes, the pool fanfare, the three refills, then the win.
    const std::vector<std::string> sounds = Host.Entries("Play");
    EXPECT_EQ(sounds, (std::vector<std::string>{"Play 4", "Play 4", "Play 10", "Play 4", "Play 4", "Play 4",
                                                "Play 9", "Play 6"}));
    EXPECT_NE(SummaryText(Session.LastSpinSummary).find("Won the Bonus Pool Worth 250\r\n"),
              std::string::npos);
    EXPECT_EQ(Host.Count("RepaintAll"), 1);
}

TEST_F(Evaluation, ThreeWildsPay150AndTakeAGlobe) {
    Session.LinesPlayed = 1;
    Show({Wild, Wild, Wild, Cherries, Cherries, Seven, Seven, Diamond, Bell});
    Machine.EvaluateSpin();
    EXPECT_EQ(Session.LineWins[0], 150);
    EXPECT_EQ(Session.Globes, 2);
    EXPECT_EQ(Session.BonusPool, 109);
}

TEST_F(Evaluation, ASecondDollarLineFindsNoDollarLeftAndFreeSpinsComeOnce) {
    Session.Dollars = 1;
    Show({Dollar, Dollar, Dollar, Dollar, Cherries, Seven, Dollar, Diamond, Bell});
    Machine.EvaluateSpin();
    EXPECT_EQ(Session.Dollars, 6);
    EXPECT_EQ(Session.FreeSpinsLeft, 3);
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Dollar)), 1 + 6);
    EXPECT_EQ(Session.SpinWinnings, 20);
}

TEST_F(Evaluation, FreeSpinTableHasNoWildsNoFeedAndBooksTheWinnings) {
    TStops saved{};
    BuildFreeSpinStrips(Machine.Strips, Machine.Stops, saved);
    Machine.Stops = {0, 0, 0, 2, 5, 9, 14, 14, 14}; // sevens / planet, comet, moon / blanks
    Machine.EvaluateFreeSpin();
    EXPECT_EQ(Session.LineWins[0], 100);
    EXPECT_EQ(Session.LineWins[1], 10);
    EXPECT_EQ(Session.BonusRollWon, 110);
    EXPECT_EQ(Session.BonusPool, 100);
    EXPECT_EQ(SummaryText(Session.LastSpinSummary), "Line 1 paid 100.\r\nLine 2 paid 10.\r\n");
}

TEST_F(Evaluation, WinningLinesFlashSixTicksEachInLineOrder) {
    Show({Seven, Wild, Seven, Cherries, Cherries, Cherries, Seven, Diamond, Bell});
    Machine.EvaluateSpin();
    ASSERT_TRUE(Machine.TimerEnabled(TimerId::Timer4));
    Host.Log.clear();
    Host.HandleEvents(Host.Now + 400 * 7);
    EXPECT_EQ(Host.Entries("Hatch"), (std::vector<std::string>{"Hatch 0", "Hatch 0", "Hatch 0", "Hatch 1"}));
    EXPECT_EQ(Machine.FlashLine, 1);
}

// Under auto spin the next spin follows at once, so a flash would only flicker; free spins are
// evaluated by their own routine and must keep the rule too.
TEST_F(Evaluation, AutoSpinFlashesTheWinningLinesNeitherOfASpinNorOfAFreeSpin) {
    Session.AutoSpin = true;
    Show({Seven, Wild, Seven, Cherries, Cherries, Cherries, Seven, Diamond, Bell});
    Machine.EvaluateSpin();
    EXPECT_GT(Session.SpinWinnings, 0);
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer4));

    BuildFreeSpinStrips(Machine.Strips, Machine.Stops, Machine.SavedStops);
    Machine.FreeSpinMode = true;
    Session.SpinWinnings = 0;
    Show({Planet, Planet, Planet, Blank, Blank, Blank, Comet, Moon, Planet});
    Machine.EvaluateFreeSpin();
    EXPECT_EQ(Session.SpinWinnings, 50 + 10) << "the top row of planets and the bottom row's mix";
    EXPECT_FALSE(Machine.TimerEnabled(TimerId::Timer4)) << "a free spin under auto spin";

    Session.AutoSpin = false;
    Session.SpinWinnings = 0;
    Machine.EvaluateFreeSpin();
    EXPECT_TRUE(Machine.TimerEnabled(TimerId::Timer4)) << "a free spin the player watches";
}

// A free spin hands its winnings to double-or-nothing by its own rules, not a paid spin's: its lines
// already flash behind the game window, its own winnings are booked as free-spin winnings whatever
// the game does to them (the game books its result itself), and a lost Pyramid wipes no text.
TEST_F(Evaluation, AFreeSpinHandsItsWinningsOverByItsOwnRules) {
    Session.Double = true;
    Machine.ShowsWinningsText(true); // as the medium layout does
    struct THandOff {
        bool Flashing = false;
        int32_t Stake = 0;
    } seen;
    Host.DoubleGame = [&](bool pyramid) {
        EXPECT_TRUE(pyramid);
        seen = {Machine.TimerEnabled(TimerId::Timer4), Session.SpinWinnings};
        Session.DoubleOrNothingWon -= Session.SpinWinnings;
        Session.SpinWinnings = 0;
    };

    Show({Seven, Wild, Seven, Cherries, Cherries, Cherries, Seven, Diamond, Bell});
    Machine.EvaluateSpin();
    EXPECT_FALSE(seen.Flashing) << "a paid spin flashes once its game is over";
    EXPECT_EQ(Host.Count("ClearWinningsText"), 1) << "a paid spin's lost Pyramid wipes the text";
    EXPECT_EQ(Session.BonusRollWon, 0);

    BuildFreeSpinStrips(Machine.Strips, Machine.Stops, Machine.SavedStops);
    Machine.FreeSpinMode = true;
    Show({Planet, Planet, Planet, Blank, Blank, Blank, Comet, Moon, Planet});
    Host.Log.clear();
    Machine.EvaluateFreeSpin();
    EXPECT_EQ(seen.Stake, 50 + 10) << "the free spin's whole win is at stake";
    EXPECT_TRUE(seen.Flashing) << "a free spin's lines flash behind the game window";
    EXPECT_EQ(Host.Count("ClearWinningsText"), 0) << "a free spin's lost Pyramid wipes nothing";
    EXPECT_EQ(Session.BonusRollWon, 50 + 10);
    EXPECT_EQ(Session.DoubleOrNothingWon, -(50 + 5) - (50 + 10));
    EXPECT_EQ(Session.Credits, 1000) << "both stakes lost";
    EXPECT_EQ(Host.Entries("Open").size(), 1u) << "a lost game opens no other";
}

// A switch hands the whole stake to the other game, which opens at once.
TEST_F(Evaluation, DoubleOrNothingTakesTheStakeAndCanSwitchGames) {
    Session.Double = true;
    int opened = 0;
    int32_t stake = 0;
    Host.DoubleGame = [&](bool pyramid) {
        if (++opened == 1) { // the Pyramid hands the stake over to the cards
            stake = Session.SpinWinnings;
            Session.BonusGame = false;
            Session.ReopenDoubleGame = true;
        } else {
            EXPECT_FALSE(pyramid);
            Session.SpinWinnings *= 2;
        }
    };
    Session.BonusGame = true;
    Show({Seven, Wild, Seven, Cherries, Cherries, Cherries, Seven, Diamond, Bell});
    Machine.EvaluateSpin();
    EXPECT_EQ(Host.Entries("Open"), (std::vector<std::string>{"Open Pyramid", "Open Cards"}));
    EXPECT_EQ(stake, 50 + 5) << "one coin: 25 × 2 for the wild line, 5 for the cherries";
    EXPECT_EQ(Session.Credits, 1000 + 2 * stake);
}

} // namespace
} // namespace zorva

#include <QTest>
#include <functional>

#include "spin_fixture.h"

namespace zorva {
namespace {

class Game : public SpinTest {
  protected:
    TForm1& form = Open(1024, 768);
};

// A session played through the real window and its keys, on a virtual clock: every feature
// settles into the credits, and the saved game holds what the meters show.
TEST_F(Game, APlayedSessionEndsSavedAsTheMetersShowIt) {
    form.Session.Double = false;

    NextSpinDraws([&](const TStops& s) { return Wins(s) >= 20 && Plain(s); });
    const int32_t win = Wins(StopsOf(Clock.TimeOfDay));
    const uint32_t start = Clock.Now;
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(form.Session.Credits, 1000 - 8 + win);
    EXPECT_EQ(form.Session.SpinWinnings, 0) << "counted off";
    EXPECT_GE(Clock.Now - start, 2525u) << "the wheels ran their full course";
    EXPECT_GT(Sound.Log.size(), 9u);
    form.OptionsClick(5);
    EXPECT_NE(MessageTexts().back().find("paid"), std::string::npos) << MessageTexts().back();

    form.Session.Dollars = 1;
    NextSpinDraws([&](const TStops& s) { return DollarLine(s) && !ShowsMystery(s); });
    const int32_t secondWin = Wins(StopsOf(Clock.TimeOfDay));
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(form.Session.NumberOfBonusRolls, 3);
    EXPECT_EQ(form.Session.FreeSpinsLeft, 0);
    EXPECT_EQ(form.Session.Dollars, 6);

    NextSpinDraws([&](const TStops& s) { return ShowsMystery(s) && Wins(s) == 0 && NoWild(s); });
    QTest::keyClick(&form, Qt::Key_Return);
    ASSERT_TRUE(form.Machine.TimerEnabled(TimerId::Timer1)) << "the chaser waits for Stop";
    EXPECT_EQ(Sound.Log.back(), "start Zorva7.wav looping");
    const int32_t before = form.Session.Credits;
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_FALSE(form.Machine.TimerEnabled(TimerId::Timer1));
    EXPECT_GT(form.Session.MysteryBonus, 0);
    EXPECT_EQ(form.Session.Credits, before + form.Session.MysteryBonus);

    // A win with double-or-nothing on: the Pyramid opens; its switch carries the stake over to
    // the card game, whose OK keeps it.
    form.Session.Double = true;
    NextSpinDraws([&](const TStops& s) { return Wins(s) >= 10 && Plain(s); });
    const int32_t doubled = Wins(StopsOf(Clock.TimeOfDay));
    const int32_t beforeGame = form.Session.Credits;
    std::vector<std::string> games;
    PressInNextWindow("&Card Game", games, true);
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(games, (std::vector<std::string>{"Pyramid", "Double or Nothing Card Game"}));
    EXPECT_FALSE(form.Session.BonusGame) << "the switch chose the card game for next time";
    EXPECT_EQ(form.Session.DoubleOrNothingWon, 0);
    EXPECT_EQ(form.Session.Credits, beforeGame - 8 + doubled);

    const TGameSession played = form.Session;
    EXPECT_EQ(played.Spins, 4);
    EXPECT_EQ(played.Credits - played.Borrowed + played.TotalBets,
              win + secondWin + doubled + played.BonusRollWon + played.MysteryBonus + played.BonusPoolWon)
        << "credits less debt plus bets is exactly what the machine paid";
    form.close();
    const std::string saved = SavedFile();
    for (const std::string& line :
         std::vector<std::string>{"Credits=" + std::to_string(played.Credits), "Spins=4",
                                  "TotalBets=" + std::to_string(played.TotalBets), "NumberOfBonusRolls=3",
                                  "MysteryBonus=" + std::to_string(played.MysteryBonus),
                                  "BonusRollWon=" + std::to_string(played.BonusRollWon)})
        EXPECT_NE(saved.find(line + "\n"), std::string::npos) << line << " in\n" << saved;
}

// Closing the window mid-spin settles the spin and its free spins at once, then saves and closes.
TEST_F(Game, ClosingMidSpinLosesNothing) {
    form.Session.Dollars = 1;
    NextSpinDraws([&](const TStops& s) { return DollarLine(s) && !ShowsMystery(s); });
    Clock.At(Clock.Now + 600, [&] { form.close(); });
    const uint32_t start = Clock.Now;
    QTest::keyClick(&form, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_LT(Clock.Now - start, 2000u) << "no animation or count-off after the close";
    EXPECT_EQ(form.Session.NumberOfBonusRolls, 3);
    EXPECT_EQ(form.Session.SpinWinnings, 0);
    const std::string saved = SavedFile();
    EXPECT_NE(saved.find("Credits=" + std::to_string(form.Session.Credits) + "\n"), std::string::npos)
        << saved;
    EXPECT_NE(saved.find("Spins=1\n"), std::string::npos);
    EXPECT_NE(saved.find("NumberOfBonusRolls=3\n"), std::string::npos);
}

// Every settled spin is saved at once, so a crash costs at most the spin under way.
TEST_F(Game, EachSettledSpinIsSaved) {
    form.Session.PayMode = false;
    form.Session.Double = false;
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_NE(SavedFile().find("Spins=1\n"), std::string::npos);
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_NE(SavedFile().find("Spins=2\n"), std::string::npos);
}

} // namespace
} // namespace zorva

#include <random>

#include "machine_fixture.h"

namespace zorva {
namespace {

#ifdef ZORVA_SHORT_RUNS
constexpr int64_t LongRun = 50'000; // sanitizer builds run the same checks on fewer spins
#else
constexpr int64_t LongRun = 1'000'000;
#endif

// Keeps its own books from what a player could see: every change of the credits meter,
// the line wins as the win sound plays, the pool as its fanfare plays, and each
// double-or-nothing game's result.
class TLedgerHost : public TFakeHost {
  public:
    int64_t LastCredits = 0;
    int64_t Bets = 0;
    int64_t Paid = 0;
    int64_t NormalLines = 0;
    int64_t FreeLines = 0;
    int64_t Pools = 0;
    int64_t DoubleOnNormal = 0;
    int64_t DoubleOnFree = 0;
    std::mt19937 Luck{7};

    void DrawMeter(TMeter meter) override {
        if (meter != TMeter::Credits)
            return;
        const int64_t delta = Machine->Session.Credits - LastCredits;
        (delta < 0 ? Bets : Paid) += delta < 0 ? -delta : delta;
        LastCredits = Machine->Session.Credits;
    }
    void Play(SoundId sound) override {
        if (sound == SoundId::Pool)
            Pools += Machine->Session.BonusPool;
        if (sound != SoundId::Win)
            return;
        int64_t lines = 0;
        for (int32_t win : Machine->Session.LineWins)
            lines += win;
        (Machine->FreeSpinMode ? FreeLines : NormalLines) += lines;
    }
    void OpenDoubleGame(bool) override {
        auto& s = Machine->Session;
        s.ReopenDoubleGame = false;
        const int32_t stake = s.SpinWinnings;
        s.SpinWinnings = Luck() % 2 ? stake * 2 : 0;
        s.DoubleOrNothingWon += s.SpinWinnings - stake;
        (Machine->FreeSpinMode ? DoubleOnFree : DoubleOnNormal) += s.SpinWinnings - stake;
    }
    void RepaintAll() override {}
    uint32_t UtcMillisecondOfDay() override { return Luck() % 86'400'000; }
};

TEST(Conservation, CreditsLessBorrowedIsAlwaysEverythingPaidLessEverythingBet) {
    TGameSession session;
    TLedgerHost host;
    TSlotMachine machine(session, host);
    host.Machine = &machine;
    host.Animated = false;
    host.LogDrawing = false;
    host.LastCredits = session.Credits;
    session.AutoSpin = true;
    std::mt19937 player(11);

    int64_t freeSpins = 0, mysteries = 0, pools = 0;
    for (int64_t spin = 0; spin < LongRun; ++spin) {
        session.LinesPlayed = 1 + int(player() % 8);
        session.CoinsPerLine = 1 + int(player() % 8);
        session.PayMode = player() % 2;
        session.Double = player() % 4 == 0;
        if (session.Credits < 64) { // borrowing moves credits and debt alike
            session.Credits += 1000;
            session.Borrowed += 1000;
            host.LastCredits = session.Credits;
        }
        const int32_t rolls = session.NumberOfBonusRolls, mystery = session.MysteryBonus,
                      won = session.BonusPoolWon;
        ASSERT_TRUE(machine.SpinIfBetAccepted());
        freeSpins += session.NumberOfBonusRolls > rolls;
        mysteries += session.MysteryBonus > mystery;
        pools += session.BonusPoolWon > won;

        const int64_t net = int64_t{session.Credits} - session.Borrowed;
        ASSERT_EQ(net, host.Paid - host.Bets) << "after spin " << spin;
        ASSERT_EQ(session.TotalBets, host.Bets) << "after spin " << spin;
        const int64_t normal = net - session.DoubleOrNothingWon - session.BonusPoolWon -
                               session.BonusRollWon - session.MysteryBonus + session.TotalBets;
        ASSERT_EQ(normal, host.NormalLines) << "after spin " << spin;
        ASSERT_EQ(session.BonusRollWon, host.FreeLines) << "after spin " << spin;
        ASSERT_EQ(session.BonusPoolWon, host.Pools) << "after spin " << spin;
        ASSERT_EQ(session.DoubleOrNothingWon, host.DoubleOnNormal + host.DoubleOnFree)
            << "after spin " << spin;
        ASSERT_EQ(session.SpinWinnings == 0 || !session.PayMode, true) << "count-off leaves nothing behind";
    }
    EXPECT_GT(freeSpins, LongRun / 1000) << "every feature took part";
    EXPECT_GT(mysteries, LongRun / 40);
    EXPECT_GT(pools, LongRun / 1000);
    EXPECT_NE(session.DoubleOrNothingWon, 0);
}

} // namespace
} // namespace zorva

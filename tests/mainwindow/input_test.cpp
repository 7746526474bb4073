#include <gtest/gtest.h>

#include "engine/machine.h"
#include "mainwindow/input.h"
#include "support/fake_host.h"

namespace zorva {
namespace {

class Input : public ::testing::Test {
  protected:
    TGameSession Session;
    TFakeHost Host;
    TSlotMachine Machine{Session, Host};
    TWindowLayout Layout = LayOut(
        {640, 480, 158, 0, {324, 408}, {124, 72}, {124, 72}, {30, 15}, {62, 31}, {150, 169}, {62, 20}});
    TMachineInput In{Layout, Machine};

    Input() {
        Host.Machine = &Machine;
        Host.Animated = false;
        Session.Double = false;
    }
    int Sounds(SoundId id) const { return Host.Count(SoundEntry(id)); }
};

// The adjusters are the only way to change a bet: each must click and change by one within its
// limits, and buzz and change nothing outside them.
TEST_F(Input, KeysAdjustTheBetWithinItsLimitsClickingOrBuzzing) {
    Session.Credits = 15;
    In.FormKeyDown(TKey::C);
    EXPECT_EQ(Session.CoinsPerLine, 1) << "16 would be more than the 15 credits";
    EXPECT_EQ(Sounds(SoundId::Refusal), 1);
    Session.Credits = 16;
    In.FormKeyDown(TKey::C);
    EXPECT_EQ(Session.CoinsPerLine, 2);
    EXPECT_EQ(Sounds(SoundId::Click), 1);
    EXPECT_EQ(Host.Entries("Meter").back(), "Meter CoinsPlayed");
    EXPECT_EQ(Session.Bet(), 16);

    Session.Credits = 1000;
    In.FormKeyDown(TKey::L);
    EXPECT_EQ(Session.LinesPlayed, 8) << "eight lines is the most";
    EXPECT_EQ(Sounds(SoundId::Refusal), 2);
    In.FormKeyDown(TKey::K);
    EXPECT_EQ(Session.LinesPlayed, 7);
    In.FormKeyDown(TKey::X);
    In.FormKeyDown(TKey::X);
    In.FormKeyDown(TKey::X);
    EXPECT_EQ(Session.CoinsPerLine, 0);
    EXPECT_EQ(Sounds(SoundId::Refusal), 3) << "no coins below 0";
    Session.Credits = 0;
    In.FormKeyDown(TKey::L);
    EXPECT_EQ(Session.LinesPlayed, 8) << "with no coins a line costs nothing";
    In.FormKeyDown(TKey::Other);
    EXPECT_EQ(Sounds(SoundId::Refusal), 3) << "other keys do nothing";
}

// Hit tests include the Right and Bottom edges; the 1 to 4 pixel gap between plus and minus, and
// the one between Spin and Stop, belong to neither button.
TEST_F(Input, ClicksHitTheButtonsEdgesIncludedButNotTheGaps) {
    const TRect plus = Layout.LinesAdjusterRect;
    In.FormMouseDown(plus.Right, plus.Bottom);
    EXPECT_EQ(Sounds(SoundId::Refusal), 1) << "lines already at 8: the plus was hit";
    for (int gap = 1; gap <= 4; ++gap)
        In.FormMouseDown(plus.Right + gap, plus.Top + 2);
    EXPECT_EQ(Host.Entries("Play").size(), 1u);
    In.FormMouseDown(plus.Right + 5, plus.Top);
    EXPECT_EQ(Session.LinesPlayed, 7) << "the minus starts 5 pixels right";
    const TRect coins = Layout.CoinsAdjusterRect;
    In.FormMouseDown(coins.Left, coins.Top);
    EXPECT_EQ(Session.CoinsPerLine, 2);
    In.FormMouseDown(MinusButtonOf(coins).Right, MinusButtonOf(coins).Bottom);
    EXPECT_EQ(Session.CoinsPerLine, 1);

    const TRect spin = Layout.SpinButtonRect;
    In.FormMouseDown(spin.Right, spin.Bottom);
    EXPECT_EQ(Session.Spins, 1);
    In.FormMouseDown(Layout.StopButtonRect.Left, Layout.StopButtonRect.Top - 5);
    EXPECT_EQ(Session.Spins, 1) << "the gap between Spin and Stop is neither";
    EXPECT_FALSE(Machine.StopRequested);
}

} // namespace
} // namespace zorva

#include <algorithm>

#include "machine_fixture.h"

namespace zorva {
namespace {

TEST(Random, IsTheHighHalfOfTheLinearCongruentialProduct) {
    TRandom rng;
    rng.Randomize(MillisecondOfDay(13, 45, 30, 250));
    EXPECT_EQ(rng.Seed, 49'530'250u);
    uint32_t seed = 49'530'250u;
    for (int n : {20, 576, 8, 1, 1000000}) {
        seed = seed * 0x8088405u + 1u;
        const int expected = static_cast<int>((uint64_t{seed} * uint64_t(n)) >> 32);
        EXPECT_EQ(rng.Random(n), expected) << "n = " << n;
    }
    rng.Seed = 0xFFFFFFFFu;
    EXPECT_EQ(rng.Random(20), static_cast<int>((uint64_t{0xFFFFFFFFu * 0x8088405u + 1u} * 20) >> 32));
}

using SpinCycle = MachineTest;

// A refused spin must change nothing and end auto spin.
TEST_F(SpinCycle, RefusesAZeroBetAndABetAboveTheCredits) {
    Session.CoinsPerLine = 0;
    Session.AutoSpin = true;
    Machine.RequestSpin();
    EXPECT_EQ(Host.Entries("Message"), std::vector<std::string>{"Message You must place a bet first."});
    EXPECT_FALSE(Session.AutoSpin);
    EXPECT_EQ(Host.Count("OptionCaptions"), 1);
    EXPECT_EQ(Session.Credits, 1000);
    EXPECT_EQ(Session.Spins, 0);

    Host.Log.clear();
    Session.CoinsPerLine = 8;
    Session.LinesPlayed = 8;
    Session.Credits = 63;
    Machine.RequestSpin();
    EXPECT_EQ(Host.Entries("Message"),
              std::vector<std::string>{"Message You do not have enough credits for that bet,"});
    EXPECT_EQ(Session.Credits, 63);
    EXPECT_EQ(Session.TotalBets, 0);
    EXPECT_EQ(Host.Entries("Play").size(), 0u);
}

TEST_F(SpinCycle, CreditsEqualToTheBetSpinDownToZero) {
    NextSpinDraws([&](const TStops& s) { return Quiet(s); });
    Session.CoinsPerLine = 8;
    Session.Credits = 64;
    Machine.RequestSpin();
    EXPECT_EQ(Session.Credits, 0);
    EXPECT_EQ(Session.TotalBets, 64);
    EXPECT_EQ(Session.Spins, 1);
    EXPECT_EQ(SummaryText(Session.LastSpinSummary), "There were no winning lines on the last spin.");
}

TEST_F(SpinCycle, AutoSpinGoesRoundUntilTheCreditsRunOut) {
    NextSpinDraws([&](const TStops& s) { return Quiet(s); });
    Session.Credits = 8 * 3 + 5;
    Session.AutoSpin = true;
    Machine.RequestSpin();
    EXPECT_EQ(Session.Spins, 3);
    EXPECT_EQ(Session.Credits, 5);
    EXPECT_FALSE(Session.AutoSpin);
    EXPECT_EQ(Host.Entries("Message").back(), "Message You do not have enough credits for that bet,");
}

// The nine stops and blur offsets come from one reseeded generator, interleaved wheel by wheel.
TEST_F(SpinCycle, DrawsOffsetAndStopOfEachWheelInTurnFromTheTimeOfDay) {
    Host.TimeOfDay = 4'000'321;
    const TDraw draw = DrawFromSeed(4'000'321);
    Machine.RequestSpin();
    EXPECT_EQ(Machine.Stops, draw.Stops);
    const auto blurs = Host.Entries("Blur");
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(blurs[w], "Blur " + std::to_string(w) + " " + std::to_string(draw.Offsets[w]))
            << "first blur frame of wheel " << w;
    EXPECT_EQ(blurs[WheelCount], "Blur 0 " + std::to_string((draw.Offsets[0] + 576 - 61) % 576))
        << "the strip moves 61 rows a tick";
}

TEST_F(SpinCycle, WheelsStopLeftToRightTopToBottomWithAClickAndABounce) {
    Host.TimeOfDay = 777;
    const uint32_t start = Host.Now;
    Machine.RequestSpin();
    std::vector<std::string> stops;
    for (const auto& e : Host.Log)
        if (e.rfind("DrawWheel", 0) == 0)
            stops.push_back(e);
    ASSERT_GE(stops.size(), 9u);
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(stops[w], "DrawWheel " + std::to_string(w));
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Click)), 9);
    std::vector<std::string> bounce;
    for (const auto& e : Host.Entries("Bounce 4"))
        bounce.push_back(e.substr(9));
    EXPECT_EQ(bounce, (std::vector<std::string>{"1", "2", "1", "0", "-1", "-2", "-1", "0"}));
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(Host.Entries("Blur " + std::to_string(w) + " ").size(), size_t(20 + 9 * w))
            << "wheel " << w;
    EXPECT_GE(Host.Now - start, 101u * 25u) << "101 ticks of 25 ms";
}

TEST_F(SpinCycle, StopBeforeTheFirstWheelStopsAllNineTogetherWithTheSameOutcome) {
    Host.TimeOfDay = 31337;
    const TDraw draw = DrawFromSeed(31337);
    Host.At(Host.Now + 110, [&] { Machine.PressStop(); });
    const uint32_t start = Host.Now;
    Machine.RequestSpin();
    EXPECT_EQ(Machine.Stops, draw.Stops);
    // Four ticks of blur, then the quick stop: nine clicks in a row, nine steps of 20 ms.
    EXPECT_EQ(Host.Entries("Blur 0").size(), 4u);
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Click)), 9);
    EXPECT_EQ(Host.Entries("Bounce 8").size(), 8u);
    const auto firstClick = std::find(Host.Log.begin(), Host.Log.end(), SoundEntry(SoundId::Click));
    EXPECT_EQ(*std::next(firstClick, 3), "Play 0") << "no wheel waits for another";
    EXPECT_LT(Host.Now - start, 110u + 9 * 20 + 25 + 2600) << "no slow stop (count-off aside)";
}

TEST_F(SpinCycle, StopMidwayRestartsOnlyTheWheelsStillBouncingOrSpinning) {
    NextSpinDraws([&](const TStops& s) { return Quiet(s); });
    // At 975 ms tick 39 has just run: wheels 0 and 1 are done, wheel 2 has just stopped.
    Host.At(Host.Now + 39 * 25 + 1, [&] { Machine.PressStop(); });
    Machine.RequestSpin();
    EXPECT_EQ(Host.Count(SoundEntry(SoundId::Click)), 3 + 7) << "wheels 0–2 by the animation, 2–8 again";
    EXPECT_EQ(Host.Entries("Bounce 0").size(), 8u);
    EXPECT_EQ(Host.Entries("Bounce 2").size(), 8u) << "wheel 2 had stopped but not bounced";
}

TEST_F(SpinCycle, BlinkStopAlternatesThePicturesAndStopResetsIt) {
    Machine.BlinkStop();
    Machine.BlinkStop();
    Machine.BlinkStop();
    Machine.PressStop();
    EXPECT_EQ(Host.Entries("Stop"),
              (std::vector<std::string>{"Stop plain", "Stop dark", "Stop plain", "Stop plain"}));
    EXPECT_TRUE(Machine.StopRequested) << "outside a spin Stop only sets the flag";
}

TEST_F(SpinCycle, ASpinEndsTheFlashAndTheChaserAndWipesTheMediumLayoutText) {
    Machine.ShowsWinningsText(true);
    Machine.FlashLine = 2;
    Host.TimeOfDay = 99;
    Machine.RequestSpin();
    EXPECT_EQ(Host.Log[0], "ClearWheel 6") << "the flashed line is repainted plainly first";
    EXPECT_EQ(Host.Count("ClearWinningsText"), 1);
    Machine.ShowsWinningsText(false);
    Host.Log.clear();
    Machine.RequestSpin();
    EXPECT_EQ(Host.Entries("ClearWinningsText").size(), 0u);
}

} // namespace
} // namespace zorva

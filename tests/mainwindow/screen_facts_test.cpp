#include <gtest/gtest.h>

#include "platform/screen_facts.h"

namespace zorva {
namespace {

// Guards against the real screen leaking into tests that fixed their own, and against the
// pixels-per-inch figure being the physical one rather than the 96 that a normal desktop
// (and the offscreen test screen) reports.
TEST(ScreenFacts, InjectedFactsWinAndTheRealScreenIsReadOtherwise) {
    InjectScreenFacts(TScreenFacts{1024, 768, 8, 120});
    const TScreenFacts injected = ReadScreenFacts();
    EXPECT_EQ(injected.Width, 1024);
    EXPECT_EQ(injected.ColourDepth, 8);
    EXPECT_EQ(injected.PixelsPerInch, 120);

    InjectScreenFacts(std::nullopt);
    const TScreenFacts offscreen = ReadScreenFacts();
    EXPECT_EQ(offscreen.Width, 800);
    EXPECT_EQ(offscreen.Height, 800);
    EXPECT_EQ(offscreen.ColourDepth, 32);
    EXPECT_EQ(offscreen.PixelsPerInch, 96);
}

} // namespace
} // namespace zorva

#include <gtest/gtest.h>

#include "platform/screen_facts.h"

namespace zorva {
namespace {

// Guards against the pixels-per-inch figure being the physical one rather than the 96 that a
// normal desktop (and the offscreen test screen) reports.
TEST(ScreenFacts, TheRealScreenIsReadWithItsLogicalPixelsPerInch) {
    const TScreenFacts offscreen = ReadScreenFacts();
    EXPECT_EQ(offscreen.Width, 800);
    EXPECT_EQ(offscreen.Height, 800);
    EXPECT_EQ(offscreen.ColourDepth, 32);
    EXPECT_EQ(offscreen.PixelsPerInch, 96);
}

} // namespace
} // namespace zorva

#include "platform/desktop.h"

#include <gtest/gtest.h>
#include <vector>

#include "support/fake_desktop.h"

namespace zorva {
namespace {

// Guards the developer tools' desktop: it must change the screen alone, and without boxes no message
// may wait for a player who is not there.
TEST(Desktop, OnAnotherScreenOnlyTheScreenChangesAndMessagesGoWhereAsked) {
    testing::TFakeDesktop base;
    base.Date = {2007, 3, 9};
    base.Separator = ".";
    std::vector<std::string> seen;
    base.Answer = [&](TMessageKind, const std::string& text) {
        seen.push_back(text);
        return true;
    };

    TDesktopOnScreen shown(base, TScreenFacts{640, 480, 8, 120});
    EXPECT_EQ(shown.Screen().Width, 640);
    EXPECT_EQ(shown.Screen().ColourDepth, 8);
    EXPECT_EQ(shown.Today().Year, 2007);
    EXPECT_EQ(shown.DateSeparator(), ".");
    EXPECT_EQ(shown.SavedGameFilePath(), base.SavedGameFilePath());
    EXPECT_TRUE(shown.AskYesNo("Start a New Game?"));

    TDesktopOnScreen silent(base, TScreenFacts{1920, 1080, 32, 96}, false);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(silent.AskYesNo("Are you sure you want to exit the game?"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Are you sure you want to exit the game?\n");
    EXPECT_EQ(seen, std::vector<std::string>{"Start a New Game?"});
}

// Guards command-line tools, which have no window system: a box would never be answered.
TEST(Desktop, WithoutWindowsAMessageGoesToStandardErrorAndAnswersNo) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(SystemDesktop().AskYesNo("Start a New Game?"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Start a New Game?\n");
}

} // namespace
} // namespace zorva

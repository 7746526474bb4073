#include <QTest>

#include "form_fixture.h"

namespace zorva {
namespace {

class Options : public FormTest {
  protected:
    TForm1& form = Open(800, 600);
    QString Hint(int tag) const { return form.Options->Hint(tag); }
};

// Each toggle flips its setting, tells the new state in its hint and recolours its caption.
TEST_F(Options, TogglesChangeSettingHintAndCaption) {
    form.OptionsClick(1);
    EXPECT_FALSE(form.Session.PayMode);
    EXPECT_EQ(Hint(1), "Paymode is Instant Payoff");
    EXPECT_EQ(form.Options->CaptionColour(1), QColor(192, 192, 192));
    form.OptionsClick(1);
    EXPECT_EQ(Hint(1), "Paymode is Count Off Credits");
    EXPECT_EQ(form.Options->CaptionColour(1), QColor(Qt::black));

    form.Play(SoundId::Chaser);
    Sound.Log.clear();
    form.OptionsClick(8);
    EXPECT_FALSE(form.Session.Sound);
    EXPECT_EQ(Hint(8), "Sound is Off");
    EXPECT_EQ(Sound.Log, std::vector<std::string>{"stop"}) << "switching sound off silences the chaser too";
    form.OptionsClick(8);
    EXPECT_EQ(Hint(8), "Sound is On");

    form.OptionsClick(10);
    EXPECT_FALSE(form.Session.Double);
    EXPECT_EQ(Hint(10), "Double or Nothing Game is Off");
    form.OptionsClick(10);
    EXPECT_EQ(Hint(10), "Double or Nothing Game is On");

    // Mid-spin the auto-spin switch only flips the setting; the spin under way carries on into it.
    form.Session.Spinning = true;
    form.OptionsClick(6);
    EXPECT_TRUE(form.Session.AutoSpin);
    EXPECT_EQ(Hint(6), "Auto Spin Mode: On");
    EXPECT_EQ(form.Options->CaptionColour(6), QColor(Qt::white));
    EXPECT_EQ(form.Session.Spins, 0);
    form.OptionsClick(6);
    EXPECT_EQ(Hint(6), "Auto Spin Mode: Off");
    form.Session.Spinning = false;
    form.OptionsClick(99);
    EXPECT_TRUE(Messages.empty());
}

// Only the left button clicks an option, and a double-click counts once: a right-click on Exit
// asks nothing, and a double-click on a switch leaves it switched rather than back where it was.
TEST_F(Options, ButtonsAnswerTheLeftButtonOnceADoubleClick) {
    // Through the window, as the window system delivers them: a double-click is two presses.
    form.show();
    const auto centre = [&](int tag) { return form.Options->OptionButtons[tag]->geometry().center(); };
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(form.windowHandle(), other, {}, centre(7));
    EXPECT_TRUE(Messages.empty()) << "no exit question";

    form.Session.Spinning = true; // auto spin only switches, starting no spin of its own
    for (int tag : {1, 6, 8, 10})
        QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, centre(tag));
    EXPECT_FALSE(form.Session.PayMode);
    EXPECT_TRUE(form.Session.AutoSpin);
    EXPECT_FALSE(form.Session.Sound);
    EXPECT_FALSE(form.Session.Double);
    form.Session.AutoSpin = false;
    form.Session.Spinning = false;
}

// Auto spin started at rest spins until the bet can no longer be paid, then switches itself off.
TEST_F(Options, AutoSpinRunsUntilTheCreditsRunOut) {
    form.Session.Credits = 20;
    form.Session.PayMode = false;
    form.Session.Double = false;
    Clock.TimeOfDay = 1; // whatever the spins bring, 20 credits last only a few of them
    form.OptionsClick(6);
    EXPECT_FALSE(form.Session.AutoSpin);
    EXPECT_GE(form.Session.Spins, 2);
    EXPECT_EQ(MessageTexts().back(), "You do not have enough credits for that bet,");
    EXPECT_EQ(form.Options->CaptionColour(6), QColor(Qt::black));
}

// The two questions change nothing unless answered Yes; a new game keeps the bet and settings.
TEST_F(Options, NewGameAndExitAskFirst) {
    form.Session.Credits = 4321;
    form.Session.CoinsPerLine = 3;
    Answer = false;
    form.OptionsClick(4);
    EXPECT_EQ(MessageTexts().back(), "Start a New Game?");
    EXPECT_EQ(Messages.back().Kind, TMessageKind::Question);
    EXPECT_EQ(form.Session.Credits, 4321);
    form.OptionsClick(7);
    EXPECT_EQ(MessageTexts().back(), "Are you sure you want to exit the game?");
    EXPECT_TRUE(SavedFile().empty()) << "still playing, nothing written";

    Answer = true;
    form.OptionsClick(4);
    EXPECT_EQ(form.Session.Credits, 1000);
    EXPECT_EQ(form.Session.Dollars, 6);
    EXPECT_EQ(form.Session.CoinsPerLine, 3);
    EXPECT_NE(SavedFile().find("Credits=1000"), std::string::npos) << "a new game is saved at once";
    form.OptionsClick(7);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
}

// Help, about, summary and the web page each answer with their own text or page.
TEST_F(Options, HelpAboutSummaryAndWebPage) {
    form.OptionsClick(0);
    EXPECT_EQ(Desktop.HelpPages, std::vector<std::string>{"index.html"});
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(Desktop.HelpPages.back(), "topic-41004.html") << "F1 opens the main window's own chapter";

    form.OptionsClick(5);
    EXPECT_EQ(MessageTexts().back(), "You must spin before viewing a summary of the last spin.");
    form.Session.LastSpinSummary = {{LinePaidLine, 1, 10}, {LinePaidLine, 2, 5}};
    form.OptionsClick(5);
    EXPECT_EQ(MessageTexts().back(), "Line 1 paid 10.\nLine 2 paid 5.\n");

    form.LogoClick();
    EXPECT_EQ(MessageTexts().back(), "Zorva Slots Version 1.1");

    const size_t before = Messages.size();
    form.OptionsClick(9);
    ASSERT_EQ(Desktop.BrowsedPages.size(), 1u);
    EXPECT_TRUE(Desktop.BrowsedPages[0].toLocalFile().endsWith("/www/index.html"));
    EXPECT_EQ(Messages.size(), before);
    Desktop.BrowserWorks = false;
    form.OptionsClick(9);
    ASSERT_EQ(Messages.size(), before + 2);
    EXPECT_EQ(Messages[before].Kind, TMessageKind::Error);
    EXPECT_EQ(Messages[before].Text, "Could not find a web browser on your system!");
    EXPECT_EQ(Messages[before + 1].Kind, TMessageKind::Information);
}

// Each window of the options bar opens over the machine and returns to it; loading and borrowing
// may change every figure and repaint the whole window, saving changes nothing on it.
TEST_F(Options, WindowsOfTheOptionsBar) {
    int fullRepaints = 0;
    form.Panel->Changed = [&](const QRect& rect) {
        fullRepaints += rect == form.Panel->DesignRect() ? 1 : 0;
    };
    std::vector<std::string> seen;

    PressInNextWindow("&Cancel", seen);
    form.OptionsClick(11);
    EXPECT_EQ(seen.back(), "Save a Game -- Select Game Slot");
    EXPECT_EQ(fullRepaints, 0) << "saving does not repaint";
    EXPECT_NE(SavedFile().find("[CurrentGame]"), std::string::npos)
        << "the dialog keeps the game in progress";

    PressInNextWindow("&Cancel", seen);
    form.OptionsClick(12);
    EXPECT_EQ(seen.back(), "Open a Game -- Select Game Slot");
    EXPECT_EQ(fullRepaints, 1) << "loading repaints";

    PressInNextWindow("&OK", seen);
    form.OptionsClick(3);
    EXPECT_EQ(seen.back(), "Use this form to borrow or pay back credits");
    EXPECT_EQ(fullRepaints, 2) << "borrowing repaints";

    PressInNextWindow("OK", seen);
    form.OptionsClick(13);
    EXPECT_EQ(seen.back(), "Your Game Statistics");

    PressInNextWindow("", seen);
    form.OptionsClick(2);
    EXPECT_EQ(seen.back(), "Payoff Chart");
    EXPECT_FALSE(form.Busy()) << "back at rest";
    EXPECT_EQ(form.Session.Credits, 1000);
}

// A borrowed sum is saved at once, not only when the window closes.
TEST_F(Options, BorrowingIsSavedAtOnce) {
    WhenWindowUp([](QWidget* bank) {
        Press(bank, "100");
        Press(bank, "&OK");
    });
    form.OptionsClick(3);
    EXPECT_EQ(form.Session.Credits, 1100);
    EXPECT_NE(SavedFile().find("Borrowed=1100\n"), std::string::npos) << SavedFile();
}

} // namespace
} // namespace zorva

#include <QDir>
#include <QFile>

#include "form_fixture.h"

namespace zorva {
namespace {

using StartUp = FormTest;

// The window, its controls and the game it opens with, on every kind of screen the layout tells
// apart: a wrong band or size puts buttons where the player cannot find them.
TEST_F(StartUp, OpensTheDesignedWindowOnEveryScreen) {
    for (int ppi : {96, 120}) {
        for (int width : {640, 699, 700, 800, 999, 1000, 1024, 1920}) {
            TForm1& form = Open(width, width * 3 / 4, ppi);
            EXPECT_EQ(form.windowTitle(), "Zorvania");
            EXPECT_EQ(form.size(), QSize(width - 10, width * 3 / 4 - TitleBarRoom)) << "room for a title bar";
            // Opened maximised at 96 ppi, the window takes the size the window system gives it (on
            // Wayland a maximised window of fixed size loses its connection); at 120 it is fixed.
            EXPECT_EQ(form.minimumSize() == form.maximumSize(), ppi > 100) << "resizable only maximised";
            EXPECT_EQ(form.Layout.Band, ScreenBandOf(width));
            EXPECT_EQ(form.Machine.Stops, InitialStops);
            EXPECT_EQ(form.Session.Dollars, 3) << "a first start takes the file's default";
            EXPECT_EQ(form.Session.LinesPlayed, 8);
            for (int tag = 0; tag < OptionButtonCount; ++tag) {
                const TRect r = form.Layout.OptionButtonRect(tag);
                EXPECT_EQ(form.Options->OptionButtons[tag]->geometry(),
                          QRect(r.Left, r.Top, r.Width(), r.Height()));
                EXPECT_GE(r.Top, 0) << "the options bar fits on a " << width << " screen";
                EXPECT_LE(r.Right, width - 10);
            }
            EXPECT_EQ(form.Logo->pos(), QPoint(form.Layout.LogoRect.Left, form.Layout.LogoRect.Top));
            EXPECT_GE(form.Layout.LogoRect.Left, 0) << width;
        }
    }
    EXPECT_TRUE(Messages.empty()) << "every picture is in the program folder";
}

// The saved game comes back at start-up, settings and all, and goes out again on closing.
TEST_F(StartUp, ReadsTheCurrentGameAndWritesItOnClosing) {
    const std::string folder = Home.path().toStdString() + "/zorva";
    QDir().mkpath(QString::fromStdString(folder));
    QFile file(QString::fromStdString(folder + "/Zorva.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[CurrentGame]\nCredits=555\nLinesPlayed=3\nSound=0\nPayMode=0\nDollars=5\n");
    file.close();

    TForm1& form = Open(1024, 768);
    EXPECT_EQ(form.Session.Credits, 555);
    EXPECT_EQ(form.Session.LinesPlayed, 3);
    EXPECT_FALSE(form.Session.Sound);
    EXPECT_EQ(form.Session.Dollars, 5);
    EXPECT_EQ(form.Options->CaptionColour(8), QColor(192, 192, 192)) << "captions follow the settings read";
    EXPECT_EQ(form.Options->CaptionColour(1), QColor(192, 192, 192));
    EXPECT_EQ(form.Options->Hint(8), "Click to Turn Sound On or Off") << "hints keep their starting text";
    ASSERT_FALSE(form.Session.CreditHistory.Points().empty());
    const TCreditPoint start = form.Session.CreditHistory.Points().front();
    EXPECT_EQ(start.SpinNumber, 0) << "the statistics plot starts at spin 0";
    EXPECT_EQ(start.Credits, 555) << "with the credits read back";

    form.Session.Credits = 777;
    form.close();
    EXPECT_NE(SavedFile().find("Credits=777"), std::string::npos);
    EXPECT_NE(SavedFile().find("GameName=CurrentGame"), std::string::npos);
    EXPECT_NE(SavedFile().find("GameDate=12/08/26"), std::string::npos);
}

// A screen in 256 colours takes the palettised set, which stands 2 pixels from the top.
TEST_F(StartUp, TwoHundredFiftySixColoursTakeTheirOwnArtwork) {
    TForm1& form = Open(1024, 768, 96, 8);
    EXPECT_EQ(form.Layout.MachineTop, 2);
    EXPECT_FALSE(form.Artwork.MachineImage.isNull());
}

} // namespace
} // namespace zorva

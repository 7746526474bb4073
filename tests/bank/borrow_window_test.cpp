#include <QCoreApplication>
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "art/builtin_art.h"
#include "bank/borrow.h"
#include "platform/dialog_placement.h"
#include "platform/help_viewer.h"
#include "platform/own_title_bar.h"
#include "support/fake_desktop.h"

namespace zorva {
namespace {

class BorrowWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        desktop_.Facts.Width = 800;
        desktop_.Answer = [this](TMessageKind kind, const std::string& text) {
            messages_.emplace_back(kind, text);
            return false;
        };
        SetHelpFolder(QStringLiteral(ZORVA_HELP_FOLDER));
        session_.Credits = 1000;
        session_.Borrowed = 1000;
    }

    // True when the window shows the glyph of digit d of the given strip with its top-left at (x, y).
    static bool ShowsGlyph(const QImage& window, const QImage& strip, int glyphWidth, int d, int x, int y) {
        const QImage expected =
            strip.copy(d * glyphWidth, 0, glyphWidth, strip.height()).convertToFormat(QImage::Format_RGB32);
        return window.copy(x, y, glyphWidth, strip.height()).convertToFormat(QImage::Format_RGB32) ==
               expected;
    }

    TGameSession session_;
    testing::TFakeDesktop desktop_;
    std::vector<std::pair<TMessageKind, std::string>> messages_;
};

// Guards the four buttons' shared handler: a wrong tag-to-amount map borrows the wrong sum.
TEST_F(BorrowWindow, OpensInBorrowModeAndEachChipBorrowsItsAmount) {
    TBorrowC dialog(session_, desktop_);
    EXPECT_EQ(dialog.windowTitle(), "Use this form to borrow or pay back credits");
    EXPECT_EQ(dialog.size(), QSize(582, 300));
    EXPECT_TRUE(dialog.RadioButton1->isChecked());
    const std::array<QRect, 4> places{QRect(89, 104, 80, 57), QRect(201, 104, 80, 57),
                                      QRect(313, 104, 80, 57), QRect(425, 104, 80, 57)};
    int32_t expected = 1000;
    for (int tag = 0; tag < 4; ++tag) {
        EXPECT_EQ(dialog.AmountButtons[tag]->geometry(), places[tag]);
        EXPECT_EQ(dialog.AmountButtons[tag]->property("tag").toInt(), tag);
        QTest::mouseClick(dialog.AmountButtons[tag], Qt::LeftButton);
        expected += ChipAmounts[tag];
        EXPECT_EQ(session_.Credits, expected) << "tag " << tag;
        EXPECT_EQ(session_.Borrowed, expected) << "tag " << tag;
    }
    EXPECT_TRUE(messages_.empty());

    dialog.RadioButton2->setChecked(true);
    TBorrowC again(session_, desktop_);
    EXPECT_TRUE(again.RadioButton1->isChecked()) << "the mode is not remembered";
}

// Guards the pay-back refusals reaching the player as information boxes while the dialog stays.
TEST_F(BorrowWindow, PayingBackTooMuchIsRefusedInABoxAndTheDialogStaysOpen) {
    TBorrowC dialog(session_, desktop_);
    dialog.show();
    QTest::mouseClick(dialog.RadioButton2, Qt::LeftButton);
    ASSERT_EQ(dialog.Mode(), TBankMode::PayBack);
    QTest::mouseClick(dialog.AmountButtons[0], Qt::LeftButton);
    EXPECT_EQ(session_.Credits, 0);
    EXPECT_EQ(session_.Borrowed, 0);
    QTest::mouseClick(dialog.AmountButtons[0], Qt::LeftButton);
    const std::vector<std::pair<TMessageKind, std::string>> expected{
        {TMessageKind::Information, "You do not have 1000.00 credits!"}};
    EXPECT_EQ(messages_, expected);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

// Guards the help message text and the F1 topic, which follows the mode.
TEST_F(BorrowWindow, HelpShowsTheMessageAndF1TheChapterOfTheMode) {
    TBorrowC dialog(session_, desktop_);
    dialog.show();
    QTest::mouseClick(dialog.BitBtn7, Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(
        messages_[0].second,
        "Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the "
        "button representing the amount to borrow (or pay back).\r\n\r\nTo switch between \"borrow\" and "
        "\"pay back\" select the mode.");
    QTest::keyClick(&dialog, Qt::Key_F1);
    dialog.RadioButton2->setChecked(true);
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(desktop_.HelpPages, (std::vector<std::string>{"topic-41003.html", "topic-41005.html"}));
}

// Guards where the two amounts are painted and with which sprites: credits right-aligned 30 pixels
// from the right edge in the normal digits, the debt from x 20 in green, the glyph size by screen.
TEST_F(BorrowWindow, TheAmountsArePaintedWithDigitSpritesAtTheirPlaces) {
    session_.Credits = 1234;
    session_.Borrowed = 56;
    for (const int screenWidth : {800, 1280}) {
        SCOPED_TRACE(screenWidth);
        desktop_.Facts.Width = screenWidth;
        TBorrowC dialog(session_, desktop_);
        const TDigitStrips strips = DigitStripsFor(screenWidth);
        const int gw = strips.GlyphWidth;
        const QImage window = dialog.grab().toImage();

        const int right = 582 - 30;
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(ShowsGlyph(window, strips.Normal, gw, i + 1, right - (4 - i) * gw, 40))
                << "credit digit " << i;
        }
        EXPECT_EQ(window.pixelColor(right - 5 * gw + 1, 41), QColor(Qt::black))
            << "one glyph of clearing on the left";
        EXPECT_TRUE(ShowsGlyph(window, strips.Green, gw, 5, 20, 40));
        EXPECT_TRUE(ShowsGlyph(window, strips.Green, gw, 6, 20 + gw, 40));
        EXPECT_EQ(window.pixelColor(20 + 2 * gw + 1, 41), QColor(Qt::black))
            << "one glyph of clearing on the right";
        EXPECT_EQ(window.pixelColor(300, 90), QColor(Qt::yellow)) << "the yellow background";
    }
}

// Guards against a dialog of fixed size filling the screen when a title bar Qt draws itself
// (GNOME's, Weston's) offers maximise, or a window manager's key asks for full screen.
TEST_F(BorrowWindow, AFixedSizeDialogComesBackFromMaximisedAndFullScreen) {
    TBorrowC dialog(session_, desktop_);
    dialog.show();
    for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        dialog.setWindowState(state);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.windowState(), Qt::WindowNoState) << state;
        EXPECT_EQ(dialog.size(), QSize(582, 300)) << state;
    }
}

// Where the game draws the title bars (GNOME, Weston), a fixed-size window gets its own above its
// content: the content, drawing included, must show exactly as without it, and Close must close.
TEST_F(BorrowWindow, UnderItsOwnTitleBarItShowsTheSameFaceAndClosesFromTheBar) {
    TBorrowC plain(session_, desktop_);
    plain.show();
    const QImage unframed = plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ChooseTitleBarsForTesting(true);
    TBorrowC framed(session_, desktop_);
    framed.show();
    ChooseTitleBarsForTesting(std::nullopt);

    const QMargins margins = OwnFrameMargins();
    const QPoint content(margins.left(), margins.top());
    EXPECT_TRUE(framed.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(framed.size(), QSize(582, 300).grownBy(margins));
    EXPECT_EQ(framed.OKBtn->mapTo(&framed, QPoint()), QPoint(442, 246) + content);
    EXPECT_TRUE(framed.OKBtn->isVisible());
    EXPECT_EQ(framed.grab(QRect(content, QSize(582, 300))).toImage().convertToFormat(QImage::Format_RGB32), unframed);

    auto* close = framed.findChild<QWidget*>(QStringLiteral("OwnTitleBar"))->findChild<QAbstractButton*>();
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->accessibleName(), "Close");
    EXPECT_LT(close->mapTo(&framed, QPoint()).y(), margins.top());
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(framed.isVisible());
    EXPECT_EQ(framed.result(), QDialog::Rejected);
}

} // namespace
} // namespace zorva

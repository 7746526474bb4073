#include "doublegames/pyramid.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <set>
#include <gtest/gtest.h>

#include "platform/dialog_placement.h"
#include "platform/help_viewer.h"
#include "platform/own_title_bar.h"
#include "platform/spoken_notice.h"
#include "support/recording_host.h"
#include "support/spoken_notices.h"

namespace zorva {
namespace {

using testing::TRecordingHost;

class PyramidWindow : public ::testing::Test {
  protected:
    PyramidWindow() {
        Session.SpinWinnings = 100;
        Session.ReopenDoubleGame = true;
    }

    TDoubleForm& Open() {
        Form = std::make_unique<TDoubleForm>(Session, Host);
        Form->show();
        return *Form;
    }
    int SquareOf(const std::string& symbol, int nth = 0) const {
        for (int i = 0; i < SquareCount; ++i)
            if (Form->Board.SymbolText[i] == symbol && nth-- == 0)
                return i;
        return -1;
    }
    void Click(int square) { QTest::mouseClick(Form->Squares[square], Qt::LeftButton); }
    void Click(const std::string& symbol, int nth = 0) { Click(SquareOf(symbol, nth)); }
    QString Label() const { return Form->Label1->text(); }
    int RevealedCount() const {
        return static_cast<int>(std::count(Form->Board.Revealed.begin(), Form->Board.Revealed.end(), true));
    }
    // Whether the square shows the red picture of a turned square (judged by its bevel, away from any text).
    bool ShowsRed(int square) const {
        const QImage& picture = Form->Squares[square]->Picture;
        return picture.pixel(2, 2) == Form->Red.pixel(2, 2) &&
               picture.pixel(61, 61) == Form->Red.pixel(61, 61);
    }

    TGameSession Session;
    TRecordingHost Host{Session};
    std::unique_ptr<TDoubleForm> Form;
};

// Guards against a window that does not take the stake, leaves a reopen pending, or stacks the squares
// anywhere but as a pyramid.
TEST_F(PyramidWindow, OpeningShowsTheStakeAndFifteenNumberedGreenSquares) {
    TDoubleForm& form = Open();
    EXPECT_FALSE(Session.ReopenDoubleGame);
    EXPECT_EQ(form.StartWinnings, 100);
    EXPECT_EQ(Label(), "100");
    EXPECT_EQ(form.Label2->text(), "Winnings:");
    EXPECT_EQ(form.Memo1->toPlainText(),
              "Click a square and try to win a prize.  You can continue until you lose.");
    EXPECT_EQ(form.windowTitle(), "Pyramid");
    EXPECT_EQ(form.size(), QSize(592, 384));
    EXPECT_EQ(form.BitBtn2->text(), "&Card Game");
    EXPECT_TRUE(form.BitBtn1->isDefault());
    for (int i = 0; i < SquareCount; ++i) {
        const TRect place = TPyramidBoard::SquareRect(i);
        EXPECT_EQ(form.Squares[i]->geometry(), QRect(place.Left, place.Top, 64, 64)) << "square " << i + 1;
        EXPECT_EQ(form.Squares[i]->Picture.pixel(2, 2), form.BlueBox.pixel(2, 2)) << "square " << i + 1;
        EXPECT_NE(form.Squares[i]->Picture, form.BlueBox) << "square " << i + 1 << " shows its number";
    }
}

// Guards against wrong multipliers, or a sound that plays before the amount has changed.
TEST_F(PyramidWindow, TwoFiveAndThreeXTakeOneHundredToThreeThousand) {
    Open();
    Click("2X");
    EXPECT_EQ(Label(), "200");
    Click("5X");
    EXPECT_EQ(Label(), "1000");
    Click("3X");
    EXPECT_EQ(Label(), "3000");
    EXPECT_EQ(Host.Log,
              (std::vector<std::string>{"Zorva9.wav at 200", "Zorva9.wav at 1000", "Zorva9.wav at 3000"}));
    EXPECT_TRUE(ShowsRed(SquareOf("5X")));
    EXPECT_FALSE(ShowsRed(SquareOf("Lose")));
    EXPECT_TRUE(Host.Messages.empty());
}

// Guards against a winnings label of fixed width that cuts off the last digits of a large amount.
TEST_F(PyramidWindow, TheWinningsLabelWidensToItsAmount) {
    Session.SpinWinnings = 99999999;
    TDoubleForm& form = Open();
    Click("2X");
    const QLabel& label = *form.Label1;
    ASSERT_EQ(label.text(), "199999998");
    EXPECT_GE(label.contentsRect().width(), label.fontMetrics().horizontalAdvance(label.text()));
    EXPECT_LE(label.geometry().right(), form.width() - 1);
}

// Guards against hints shown on the wrong square, before their sound, or again on a second click.
TEST_F(PyramidWindow, EachHintSquareTellsItsHintOnceAfterItsSound) {
    Open();
    Host.DuringSound = [&](SoundId) { EXPECT_TRUE(Host.Messages.empty()) << "the box waits for the sound"; };
    Click(Form->Board.ParityHintSquare);
    EXPECT_EQ(Host.Messages, (std::vector<std::string>{"info: " + Form->Board.ParityHint}));
    Host.DuringSound = nullptr;
    Click(Form->Board.RangeHintSquare);
    Click(Form->Board.ParityHintSquare);
    Click("Try Again");
    EXPECT_EQ(Host.Messages, (std::vector<std::string>{"info: " + Form->Board.ParityHint,
                                                       "info: " + Form->Board.RangeHint}));
    EXPECT_EQ(Host.Log,
              (std::vector<std::string>{"Zorva2.wav at 100", "Zorva2.wav at 100", "Zorva1.wav at 100"}));
    EXPECT_EQ(Label(), "100");
}

// Guards against showing the board before the pause, a label that lags, or play after a loss.
TEST_F(PyramidWindow, ALoseTakesEverythingAtOnceAndShowsTheBoardASecondLater) {
    Session.SpinWinnings = 3000;
    Open();
    Host.DuringPause = [&] {
        EXPECT_EQ(Label(), "0") << "the label shows the loss at once";
        EXPECT_EQ(RevealedCount(), 1);
    };
    Click("Lose");
    EXPECT_EQ(Host.Log, (std::vector<std::string>{"Zorva11.wav at 0", "pause 1.0"}));
    EXPECT_EQ(RevealedCount(), SquareCount);
    for (int i = 0; i < SquareCount; ++i)
        EXPECT_TRUE(ShowsRed(i)) << "square " << i + 1;
    EXPECT_TRUE(Host.Messages.empty()) << "the whole board shows no hint box";

    Host.Log.clear();
    Click("2X");
    Click(Form->Board.ParityHintSquare);
    EXPECT_TRUE(Host.Log.empty());
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(Session.SpinWinnings, 0);
}

// Guards against a game that can be played with nothing at stake.
TEST_F(PyramidWindow, NothingTurnsWithNothingAtStake) {
    Session.SpinWinnings = 0;
    Open();
    Click("2X");
    EXPECT_EQ(RevealedCount(), 0);
    EXPECT_TRUE(Host.Log.empty());
}

// Guards against losing the bookkeeping when the window closes by its frame rather than by OK.
TEST_F(PyramidWindow, OkAndTheCloseBoxBothKeepTheWinningsAndBookTheGain) {
    for (const bool closeBox : {false, true}) {
        Session = TGameSession{};
        Session.SpinWinnings = 30;
        Open();
        Click("3X");
        if (closeBox)
            Form->close();
        else
            QTest::mouseClick(Form->BitBtn1, Qt::LeftButton);
        EXPECT_EQ(Session.DoubleOrNothingWon, 60) << (closeBox ? "close box" : "OK");
        EXPECT_EQ(Session.SpinWinnings, 90);
        EXPECT_FALSE(Session.ReopenDoubleGame);
        EXPECT_FALSE(Form->isVisible());
    }
}

// Guards against a switch that loses the stake, or one that reopens a game after a loss.
TEST_F(PyramidWindow, CardGameButtonCarriesTheStakeOverButAfterALossOnlyChangesTheGame) {
    Session.SpinWinnings = 40;
    Open();
    QTest::mouseClick(Form->BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(Session.BonusGame);
    EXPECT_TRUE(Session.ReopenDoubleGame);
    EXPECT_EQ(Session.SpinWinnings, 40);
    EXPECT_EQ(Session.DoubleOrNothingWon, 0);

    Session.BonusGame = true;
    Open();
    Click("Lose");
    QTest::mouseClick(Form->BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(Session.BonusGame);
    EXPECT_FALSE(Session.ReopenDoubleGame);
    EXPECT_EQ(Session.DoubleOrNothingWon, -40);
}

// Guards against a Help button that does nothing or closes the game, and F1 on the wrong chapter.
TEST_F(PyramidWindow, HelpAndF1OpenThePyramidChapterAndLeaveTheGameOpen) {
    SetHelpFolder(ZORVA_HELP_SOURCE);
    Open();
    QTest::mouseClick(Form->BitBtn3, Qt::LeftButton);
    QTest::keyClick(Form.get(), Qt::Key_F1);
    EXPECT_EQ(Host.HelpPages, (std::vector<std::string>{"topic-41007.html", "topic-41007.html"}));
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Session.DoubleOrNothingWon, 0);
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// Each square reads as its number until it is turned, then by its prize; its press action and
// Space on the focused square turn it as a click does, and the winnings read with their label.
TEST_F(PyramidWindow, SquaresAreButtonsReadByNumberThenByPrize) {
    Open();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Form.get());
    QStringList read;
    for (int i = 0; i < window->childCount(); ++i)
        read << window->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(read.contains("Winnings: 100")) << read.join(" | ").toStdString();
    EXPECT_FALSE(read.contains("Winnings:")) << "the caption is read with its amount, not on its own";
    QAccessibleInterface* instructions = QAccessible::queryAccessibleInterface(Form->Memo1);
    EXPECT_EQ(instructions->role(), QAccessible::StaticText) << "read whole, not a line at a time";
    EXPECT_TRUE(read.contains(Form->Memo1->toPlainText()));
    const int twoX = SquareOf("2X");
    QAccessibleInterface* square = QAccessible::queryAccessibleInterface(Form->Squares[twoX]);
    EXPECT_EQ(square->role(), QAccessible::Button);
    EXPECT_EQ(square->text(QAccessible::Name), QStringLiteral("Square %1").arg(twoX + 1));
    square->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(square->text(QAccessible::Name), QStringLiteral("Square %1: 2X").arg(twoX + 1));
    EXPECT_EQ(Form->Label1->accessibleName(), "Winnings: 200");

    const int threeX = SquareOf("3X");
    Form->Squares[threeX]->setFocus();
    QTest::keyClick(Form->Squares[threeX], Qt::Key_Space);
    EXPECT_EQ(Session.SpinWinnings, 600);
}

// Guards against a turn heard only as the key's name, or heard twice: the opening, each turn and
// the loss are each spoken once, as they happen, whichever control has the focus.
TEST_F(PyramidWindow, TheOpeningEachTurnAndTheLossAreSpokenOnce) {
    testing::TSpokenNotices notices;
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    QCoreApplication::processEvents();
    const int twoX = SquareOf("2X");
    Form->Squares[twoX]->setFocus();
    // What is said in one turn of the event loop is one notice: each move gets its turn.
    for (const auto& move : std::vector<std::function<void()>>{
             [&] { QTest::keyClick(Form->Squares[twoX], Qt::Key_Space); },
             [&] { QTest::keyClick(Form->Squares[twoX], Qt::Key_Space); }, [&] { Click("Lose"); }}) {
        move();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(
        notices.Spoken,
        QStringList({"Winnings at stake: 100. Tab to the squares, move with the arrow keys, and press Space "
                     "to turn one.",
                     QStringLiteral("Square %1: 2X. Winnings: 200.").arg(twoX + 1),
                     QStringLiteral("Square %1: Lose. You lost 200.").arg(SquareOf("Lose") + 1)}));
}

// Guards against a result lost as the window closes, when Orca stops speaking: a kept win is said
// over the window below once that is active again; a loss was said as it happened, and a switch
// goes on in the other game.
TEST_F(PyramidWindow, AKeptWinIsSpokenOverTheWindowBelowOnceItIsActiveAgain) {
    const std::vector<std::pair<std::function<void()>, QString>> rows{
        {[this] {
             Click("3X");
             QTest::mouseClick(Form->BitBtn1, Qt::LeftButton);
         },
         "You won 300."},
        {[this] {
             Click("Lose");
             QTest::mouseClick(Form->BitBtn1, Qt::LeftButton);
         },
         ""},
        {[this] {
             Click("3X");
             QTest::mouseClick(Form->BitBtn2, Qt::LeftButton);
         },
         ""},
    };
    for (const auto& [moves, said] : rows) {
        Session.SpinWinnings = 100;
        QWidget machine;
        machine.show();
        Form = std::make_unique<TDoubleForm>(Session, Host, &machine);
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        const auto saidOver = [&machine] {
            QString text;
            for (const QWidget* child : machine.findChildren<QWidget*>())
                if (const auto* notice = dynamic_cast<const TSpokenNotice*>(child);
                    notice && notice->isVisible())
                    text += notice->Text;
            return text;
        };
        moves();
        QCoreApplication::processEvents();
        EXPECT_EQ(saidOver(), "") << "not while the machine is inactive";
        machine.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&machine));
        QCoreApplication::processEvents();
        EXPECT_EQ(saidOver(), said);
        Form.reset();
    }
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// Guards against a square or button that Tab never reaches, Enter on a square pressing OK and
// closing the game, and arrows that do not move between squares.
TEST_F(PyramidWindow, TabReachesEverySquareAndButtonAndEnterTurnsASquare) {
    Open();
    std::set<QWidget*> reached;
    std::vector<int> squares;
    for (int i = 0; i < SquareCount + 4; ++i) {
        QTest::keyClick(Form->focusWidget(), Qt::Key_Tab);
        reached.insert(Form->focusWidget());
        if (const auto* square = dynamic_cast<const TSquare*>(Form->focusWidget()))
            squares.push_back(square->Tag + 1);
    }
    EXPECT_EQ(squares, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})) << "by their numbers";
    for (QWidget* control : {static_cast<QWidget*>(Form->BitBtn1), static_cast<QWidget*>(Form->BitBtn2),
                             static_cast<QWidget*>(Form->BitBtn3)})
        EXPECT_TRUE(reached.count(control)) << control->objectName().toStdString();
    for (TSquare* square : Form->Squares)
        EXPECT_TRUE(reached.count(square)) << "square " << square->Tag + 1;

    const int twoX = SquareOf("2X");
    Form->Squares[twoX]->setFocus();
    QTest::keyClick(Form->Squares[twoX], Qt::Key_Return);
    EXPECT_EQ(Session.SpinWinnings, 200);
    EXPECT_TRUE(Form->isVisible()) << "Enter on a square turns it and leaves the game open";

    Form->Squares[4]->setFocus();
    for (const auto& [key, square] : {std::pair{Qt::Key_Down, 7}, std::pair{Qt::Key_Right, 8},
                                      std::pair{Qt::Key_Up, 5}, std::pair{Qt::Key_Left, 4}}) {
        QTest::keyClick(Form->focusWidget(), key);
        EXPECT_EQ(Form->focusWidget(), Form->Squares[square]) << "key " << key;
    }
}

// Where the game draws the title bar, the controls sit on a face below it: the focus ring must still
// find its neighbours there, and ring the square as it does without the bar.
TEST_F(PyramidWindow, UnderItsOwnTitleBarTheFocusRingRingsTheSquareAsWithout) {
    const auto ringOnSquareFive = [this] {
        Open();
        Form->Squares[4]->setFocus();
        QCoreApplication::processEvents();
        const auto* ring = Form->findChild<QWidget*>(QStringLiteral("FocusRing"));
        return std::pair{ring->geometry(), ring->mapTo(Form.get(), QPoint())};
    };
    const auto plain = ringOnSquareFive();
    ChooseTitleBarsForTesting(true);
    const auto framed = ringOnSquareFive();
    ChooseTitleBarsForTesting(std::nullopt);
    EXPECT_TRUE(Form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(framed.first, plain.first);
    EXPECT_EQ(framed.second, plain.second + QPoint(OwnFrameMargins().left(), OwnFrameMargins().top()));
}

// Guards against a clicked square keeping the keyboard: Enter (or Tab then Enter) would turn another
// square and could lose the stake, where the player meant OK.
TEST_F(PyramidWindow, AfterAClickEnterPressesOkEvenWhenTabHadMovedTheRing) {
    for (const int tabsFirst : {0, 5}) {
        Session.SpinWinnings = 100;
        Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        for (int i = 0; i < tabsFirst; ++i)
            QTest::keyClick(Form->windowHandle(), Qt::Key_Tab);
        Click("2X");
        EXPECT_EQ(Form->focusWidget(), Form->BitBtn1) << tabsFirst << " tabs first";
        QTest::keyClick(Form->windowHandle(), Qt::Key_Return);
        EXPECT_FALSE(Form->isVisible()) << "Enter after a click keeps the winnings and closes";
        EXPECT_EQ(RevealedCount(), 1) << "no second square turned";
        EXPECT_EQ(Session.SpinWinnings, 200);
    }
}

} // namespace
} // namespace zorva

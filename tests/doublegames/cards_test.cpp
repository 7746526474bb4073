#include "doublegames/cards.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "art/builtin_art.h"
#include "doublegames/sound_effects_host.h"
#include "mainwindow/focus_mark.h"
#include "platform/help_viewer.h"
#include "support/fake_sound_backend.h"
#include "support/recording_host.h"
#include "support/spoken_notices.h"

namespace zorva {
namespace {

using testing::TRecordingHost;

const QRgb TableMaroon = qRgb(128, 0, 0);

CardRecord Card(int id) {
    return {id, id % 13, id / 13, false};
}

QPoint Middle(int position) {
    const TRect place = TCardGame::CardRect(position);
    return {place.Left + 36, place.Top + 49};
}

class CardWindow : public ::testing::Test {
  protected:
    CardWindow() {
        Session.SpinWinnings = 30;
        Session.ReopenDoubleGame = true;
        Session.BonusGame = false;
    }

    // Lays the given cards face down on the first table places and opens the window.
    TCardForm& Open(std::initializer_list<CardRecord> cards = {}) {
        Form = std::make_unique<TCardForm>(Session, Host);
        int position = 0;
        for (const CardRecord& card : cards)
            Form->Game.Deck[position++] = card;
        Form->FormPaint();
        Form->show(); // a window that was never shown has nothing to close
        return *Form;
    }

    void Click(int position, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Form.get(), button, {}, Middle(position));
    }
    QString Label() const { return Form->Label1->text(); }
    int FaceUp() const {
        int count = 0;
        for (int p = 0; p < TableCards; ++p)
            count += Form->Game.Deck[p].FaceUp ? 1 : 0;
        return count;
    }

    TGameSession Session;
    TRecordingHost Host{Session};
    std::unique_ptr<TCardForm> Form;
};

constexpr int Joker = JokerId;
constexpr int AceOfSpades = 39;
constexpr int SevenOfClubs = 6;
constexpr int TwoOfHearts = 14;
constexpr int QueenOfDiamonds = 37;
constexpr int KingOfClubs = 12;
constexpr int TenOfHearts = 22;

// Guards against a window that does not take the stake, or leaves a pending reopen that would loop.
TEST_F(CardWindow, OpeningTakesTheStakeAndShowsTheRules) {
    TCardForm& form = Open();
    EXPECT_FALSE(Session.ReopenDoubleGame);
    EXPECT_EQ(form.StartWinnings, 30);
    EXPECT_EQ(Label(), "Winnings: 30");
    EXPECT_EQ(form.windowTitle(), "Double or Nothing Card Game");
    EXPECT_EQ(form.Label2->text(),
              "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; "
              "a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.");
    EXPECT_EQ(FaceUp(), 0);
    EXPECT_EQ(form.BitBtn1->text(), "&OK");
    EXPECT_TRUE(form.BitBtn1->isDefault());
    EXPECT_EQ(form.BitBtn3->text(), "&Pyramid");
}

// Guards against multiplying before the payoff sound ends, or the wrong multiplier per card.
TEST_F(CardWindow, JokerAceAndQueenTurnSevenIntoFourHundredTwentyEachAfterItsSound) {
    Session.SpinWinnings = 7;
    Open({Card(0), Card(1), Card(2)});
    Form->Game.Deck[0] = CardRecord{Joker, JokerRank, 0, false};
    Form->Game.Deck[1] = Card(AceOfSpades);
    Form->Game.Deck[2] = Card(QueenOfDiamonds);
    Click(0);
    EXPECT_EQ(Label(), "Winnings: 70");
    Click(1, Qt::RightButton); // any mouse button turns a card
    EXPECT_EQ(Label(), "Winnings: 210");
    Click(2);
    EXPECT_EQ(Label(), "Winnings: 420");
    EXPECT_EQ(Host.Log,
              (std::vector<std::string>{"Zorva6.wav at 7", "Zorva6.wav at 70", "Zorva6.wav at 210"}));
}

// Guards against rounding a half up, or ending the game when halving reaches 0.
TEST_F(CardWindow, SevensHalveDownToZeroAndTheGameGoesOn) {
    Session.SpinWinnings = 5;
    Open({Card(SevenOfClubs), Card(SevenOfClubs + 13), Card(SevenOfClubs + 26), Card(KingOfClubs),
          Card(TenOfHearts)});
    Click(0);
    EXPECT_EQ(Label(), "Winnings: 2");
    Click(1);
    EXPECT_EQ(Label(), "Winnings: 1");
    Click(2);
    EXPECT_EQ(Label(), "Winnings: 0");
    Click(3);
    Click(4);
    EXPECT_EQ(Label(), "Winnings: 0");
    EXPECT_EQ(FaceUp(), 5) << "cards still turn at 0";
    EXPECT_EQ(Host.Log.back(), "Zorva1.wav at 0");
}

// Guards against revealing the table before the pause, a label that shows the old amount afterwards,
// or play going on after a loss.
TEST_F(CardWindow, ATwoLosesEverythingAndAfterASecondShowsTheWholeTable) {
    Session.SpinWinnings = 400;
    Open({Card(TwoOfHearts), Card(Joker - 1)});
    Form->Game.Deck[1] = CardRecord{Joker, JokerRank, 0, false};
    Host.DuringPause = [&] {
        EXPECT_EQ(Session.SpinWinnings, 0);
        EXPECT_EQ(FaceUp(), 1) << "only the turned card shows during the pause";
    };
    Click(0);
    EXPECT_EQ(Host.Log, (std::vector<std::string>{"Zorva11.wav at 400", "pause 1.0"}));
    EXPECT_EQ(FaceUp(), TableCards);
    EXPECT_EQ(Label(), "Winnings: 0");
    EXPECT_TRUE(Form->Game.GameOver);

    Host.Log.clear();
    Click(1);
    Click(0);
    EXPECT_TRUE(Host.Log.empty()) << "no card turns after a loss";
    EXPECT_EQ(Session.SpinWinnings, 0);
}

// Guards against off-by-one card edges, and against the gaps refreshing the label.
TEST_F(CardWindow, ClicksInTheGapsDoNothingNotEvenTheLabelButATurnedCardReshowsIt) {
    Open({Card(TenOfHearts)});
    Session.SpinWinnings = 999; // changed behind the window's back, to see when the label is refreshed
    QTest::mouseClick(Form.get(), Qt::LeftButton, {}, QPoint(50, 107));
    for (int x = 82; x <= 85; ++x)
        QTest::mouseClick(Form.get(), Qt::LeftButton, {}, QPoint(x, 50));
    QTest::mouseClick(Form.get(), Qt::LeftButton, {}, QPoint(400, 340));
    EXPECT_EQ(Label(), "Winnings: 30");
    EXPECT_EQ(FaceUp(), 0);
    EXPECT_TRUE(Host.Log.empty());

    Click(0);
    EXPECT_EQ(Label(), "Winnings: 999");
    Session.SpinWinnings = 998;
    Click(0);
    EXPECT_EQ(Label(), "Winnings: 998") << "a turned card only re-shows the label";
    EXPECT_EQ(Host.Log.size(), 1u);
}

// Guards against a card face composed at the wrong place, or corners that hide the table's cloth.
TEST_F(CardWindow, AnAceShowsItsPipInTheMiddleAndTheTableThroughItsRoundedCorners) {
    Open({Card(AceOfSpades)});
    Click(0);
    const QImage& canvas = Form->Canvas;
    const TRect place = TCardGame::CardRect(0);
    const QImage suits = QImage(art::cards::Suits.Path).convertToFormat(QImage::Format_RGB32);
    const QImage pip = suits.copy(15 * 3, 0, 15, 15);
    EXPECT_EQ(canvas.copy(place.Left + 28, place.Top + 42, 15, 15), pip)
        << "the spade in the middle of the Ace";
    const QImage ranks = QImage(art::cards::Black.Path).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(canvas.copy(place.Left + 3, place.Top + 3, 9, 13), ranks.copy(0, 0, 9, 13))
        << "the A in the corner";

    for (const QPoint corner : {QPoint(0, 0), QPoint(72, 0), QPoint(0, 97), QPoint(72, 97), QPoint(1, 1)})
        EXPECT_EQ(canvas.pixel(place.Left + corner.x(), place.Top + corner.y()), TableMaroon)
            << "corner " << corner.x() << "," << corner.y();
    EXPECT_EQ(canvas.pixel(place.Left + 36, place.Top + 2), qRgb(255, 255, 255)) << "the white face";
    EXPECT_EQ(canvas.pixel(place.Left - 1, place.Top + 40), TableMaroon);

    const QImage back = QImage(art::cards::back.Path).convertToFormat(QImage::Format_RGB32);
    const TRect second = TCardGame::CardRect(1);
    EXPECT_EQ(canvas.copy(second.Left + 6, second.Top + 6, 61, 86), back.copy(6, 6, 61, 86))
        << "a face-down card shows its back";
}

// Guards against losing the bookkeeping when the window closes by its frame rather than by OK.
TEST_F(CardWindow, OkAndTheCloseBoxBothKeepTheWinningsAndBookTheGain) {
    for (const bool closeBox : {false, true}) {
        Session = TGameSession{};
        Session.SpinWinnings = 30;
        Session.DoubleOrNothingWon = 5;
        Open({Card(AceOfSpades)});
        Click(0);
        ASSERT_EQ(Session.SpinWinnings, 90);
        if (closeBox)
            Form->close();
        else
            QTest::mouseClick(Form->BitBtn1, Qt::LeftButton);
        EXPECT_EQ(Session.DoubleOrNothingWon, 65) << (closeBox ? "close box" : "OK");
        EXPECT_EQ(Session.SpinWinnings, 90);
        EXPECT_FALSE(Session.ReopenDoubleGame);
        EXPECT_FALSE(Form->isVisible());
        Form->close();
        Form->reject();
        EXPECT_EQ(Session.DoubleOrNothingWon, 65) << "booked once however often it is closed";
    }
}

// Guards against a switch that loses the stake, or one that reopens a game after a loss.
TEST_F(CardWindow, PyramidButtonCarriesTheStakeOverButAfterALossOnlyChangesTheGame) {
    Session.SpinWinnings = 50;
    Open({Card(KingOfClubs), Card(TwoOfHearts)});
    QTest::mouseClick(Form->BitBtn3, Qt::LeftButton);
    EXPECT_TRUE(Session.BonusGame);
    EXPECT_TRUE(Session.ReopenDoubleGame);
    EXPECT_EQ(Session.SpinWinnings, 50);
    EXPECT_EQ(Session.DoubleOrNothingWon, 0);

    Session.BonusGame = false;
    Open({Card(TwoOfHearts)});
    Click(0);
    QTest::mouseClick(Form->BitBtn3, Qt::LeftButton);
    EXPECT_TRUE(Session.BonusGame);
    EXPECT_FALSE(Session.ReopenDoubleGame);
    EXPECT_EQ(Session.DoubleOrNothingWon, -50);
}

// Guards against booking a move's result before the move has finished when the window is closed
// in the middle of its sound.
TEST_F(CardWindow, ACloseDuringAMoveWaitsForTheMoveSoItsWinIsBooked) {
    Session.SpinWinnings = 7;
    Open({CardRecord{Joker, JokerRank, 0, false}});
    Host.DuringSound = [&](SoundId) {
        Form->close();
        EXPECT_TRUE(Form->isVisible()) << "the window stays while the move runs";
    };
    Click(0);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Session.SpinWinnings, 70);
    EXPECT_EQ(Session.DoubleOrNothingWon, 63);
}

// Guards against a Help button or F1 that opens nothing, or the wrong chapter.
TEST_F(CardWindow, HelpAndF1OpenTheCardGameChapter) {
    SetHelpFolder(ZORVA_HELP_SOURCE);
    Open();
    QTest::mouseClick(Form->BitBtn2, Qt::LeftButton);
    QTest::keyClick(Form.get(), Qt::Key_F1);
    EXPECT_EQ(Host.HelpPages, (std::vector<std::string>{"topic-41006.html", "topic-41006.html"}));
    EXPECT_TRUE(Form->isVisible()) << "help leaves the game open";
}

// Guards against a move that waits for a sound while the player has sound switched off.
TEST(CardWindowSound, WithSoundOffAMoveTakesEffectWithoutPlayingOrWaiting) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(testing::WriteFile(folder.path(), "Zorva6.wav", testing::SilentWave(500)));
    for (const bool sound : {false, true}) {
        TGameSession session;
        session.Sound = sound;
        session.SpinWinnings = 7;
        testing::TFakeSoundBackend backend;
        TSoundPlayer player(backend);
        TSoundEffects effects(player, session.Sound, folder.path());
        TSoundEffectsHost host(effects, SystemDesktop());
        TCardForm form(session, host);
        form.Game.Deck[0] = CardRecord{Joker, JokerRank, 0, false};
        form.show();
        QTest::mouseClick(&form, Qt::LeftButton, {}, Middle(0));
        EXPECT_EQ(session.SpinWinnings, 70);
        if (sound)
            EXPECT_EQ(backend.Log, (std::vector<std::string>{"start Zorva6.wav", "wait 500"}));
        else
            EXPECT_TRUE(backend.Log.empty());
    }
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// A screen reader reads each painted card as a button, face down until it is turned, and turns it
// through its press action as a click does.
TEST_F(CardWindow, EachCardIsAButtonReadByWhatItShows) {
    Open({Card(QueenOfDiamonds), Card(Joker)});
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Form.get());
    ASSERT_GE(window->childCount(), TableCards);
    QAccessibleInterface* first = window->child(0);
    EXPECT_EQ(first->role(), QAccessible::Button);
    EXPECT_EQ(first->text(QAccessible::Name), "card 1, face down");
    EXPECT_EQ(window->child(8)->text(QAccessible::Name), "card 9, face down");
    EXPECT_EQ(window->indexOfChild(window->child(8)), 8);
    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(first->text(QAccessible::Name), "card 1, Queen of diamonds");
    EXPECT_TRUE(first->state().disabled) << "a turned card cannot be turned again";
    EXPECT_EQ(Label(), "Winnings: 60");
    window->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(window->child(1)->text(QAccessible::Name), "card 2, Joker");
}

// Guards against a turn heard only as the key's name, or heard twice: each turn and the loss are
// spoken once, as they happen, with the card's face and the winnings.
TEST_F(CardWindow, EachTurnAndTheLossAreSpokenOnce) {
    Open({Card(QueenOfDiamonds), Card(TwoOfHearts)});
    QApplication::setActiveWindow(Form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get())); // the opening words are the Pyramid's test
    QCoreApplication::processEvents();
    testing::TSpokenNotices notices;
    for (const Qt::Key key :
         {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space}) {
        QTest::keyClick(Form->focusWidget() ? Form->focusWidget() : Form.get(), key);
        QCoreApplication::processEvents(); // what one turn of the event loop says is one notice
    }
    EXPECT_EQ(notices.Spoken,
              QStringList({"card 1, Queen of diamonds. Winnings: 60.", "card 2, 2 of hearts. You lost 60."}));
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// The keyboard alone: Tab, Shift+Tab and the arrows move a visible ring over the cards that can
// still be turned and the buttons, Space and Enter turn the ringed card, and Enter on a button
// still presses it. Each row starts from a freshly opened window with OK in focus.
TEST_F(CardWindow, KeysAloneRingAndTurnTheCards) {
    const struct {
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> Keys;
        const char* Focused; // what the screen reader reads in focus
        int Winnings;
    } rows[] = {
        {{{Qt::Key_Tab, {}}}, "Help", 30},
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}}, "card 1, face down", 30},
        {{{Qt::Key_Backtab, Qt::ShiftModifier}}, "card 24, face down", 30},
        {{{Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_Left, {}}}, "card 23, face down", 30},
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Space, {}}}, "card 1, Queen of diamonds", 60},
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Right, {}}, {Qt::Key_Return, {}}},
         "card 2, 10 of hearts", 30},
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Down, {}}, {Qt::Key_Enter, Qt::KeypadModifier}},
         "card 9, Ace of spades", 90},
        // A turned card leaves the ring: Tab goes on to the next, the arrows skip it.
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Space, {}}, {Qt::Key_Tab, {}}},
         "card 2, face down", 60},
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Space, {}}, {Qt::Key_Down, {}}, {Qt::Key_Up, {}}},
         "card 2, face down", 60},
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Space, {}}, {Qt::Key_Space, {}}},
         "card 1, Queen of diamonds", 60},
        {{{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, Qt::ShiftModifier}}, "Pyramid", 30},
    };
    for (const auto& row : rows) {
        Session.SpinWinnings = 30;
        Open({Card(QueenOfDiamonds), Card(TenOfHearts), Card(TenOfHearts), Card(TenOfHearts), Card(TenOfHearts),
              Card(TenOfHearts), Card(TenOfHearts), Card(TenOfHearts), Card(AceOfSpades)});
        QApplication::setActiveWindow(Form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        std::string keys;
        for (const auto& [key, modifiers] : row.Keys) {
            QWidget* target = Form->focusWidget() ? Form->focusWidget() : Form.get();
            QTest::keyClick(target, key, modifiers);
            keys += std::to_string(key) + (modifiers != Qt::NoModifier ? "+mod " : " ");
        }
        QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(Form.get())->focusChild();
        ASSERT_NE(focus, nullptr) << keys;
        EXPECT_EQ(focus->text(QAccessible::Name), row.Focused) << keys;
        EXPECT_TRUE(focus->state().focused) << keys;
        EXPECT_EQ(Session.SpinWinnings, row.Winnings) << keys;
        EXPECT_TRUE(Form->isVisible()) << keys;

        QWidget* mark = nullptr;
        for (QWidget* child : Form->findChildren<QWidget*>())
            mark = dynamic_cast<TFocusMark*>(child) ? child : mark;
        ASSERT_NE(mark, nullptr);
        EXPECT_TRUE(mark->isVisible()) << keys;
        if (Form->FocusedCard < 0) {
            EXPECT_TRUE(mark->geometry().contains(Form->focusWidget()->geometry())) << keys;
            continue;
        }
        for (int p = 0; p < TableCards; ++p) {
            const TRect card = TCardGame::CardRect(p);
            const QRect place(card.Left, card.Top, card.Width(), card.Height());
            EXPECT_EQ(mark->geometry().intersects(place), p == Form->FocusedCard) << keys << " card " << p + 1;
        }
    }

    Open();
    QTest::keyClick(Form->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(Form->isVisible()) << "Enter on OK keeps the winnings and closes";
}

} // namespace
} // namespace zorva

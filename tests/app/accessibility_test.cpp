#include <QAccessible>
#include <QTest>

#include "engine/payoff_table.h"
#include "form_fixture.h"
#include "mainwindow/focus_mark.h"
#include "platform/spoken_notice.h"
#include "seeded_draw.h"

namespace zorva {
namespace {

class Accessibility : public FormTest {
  protected:
    TForm1& form = Open(1024, 768);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);

    void SetUp() override {
        FormTest::SetUp();
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        VisibleNotice(); // the welcome
    }

    // What the status line has said since the window opened, oldest first, as its text reads.
    QStringList Spoken() const {
        QAccessibleInterface* status = window->child(window->childCount() - 1);
        return status->textInterface()->text(0, -1).split(QLatin1Char('\n')).mid(1);
    }

    // The one notice showing once what was said has been shown, as Orca hears it.
    QString VisibleNotice() {
        QCoreApplication::processEvents();
        QString text;
        int visible = 0;
        for (QWidget* child : form.findChildren<QWidget*>())
            if (auto* notice = dynamic_cast<TSpokenNotice*>(child); notice && notice->isVisible()) {
                ++visible;
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(notice);
                EXPECT_EQ(iface->role(), QAccessible::Notification);
                text = iface->text(QAccessible::Name);
            }
        EXPECT_LE(visible, 1);
        return text;
    }

    QAccessibleInterface* Named(const QString& start) const {
        for (int i = 0; i < window->childCount(); ++i)
            if (window->child(i)->text(QAccessible::Name).startsWith(start))
                return window->child(i);
        ADD_FAILURE() << "no child named " << start.toStdString();
        return nullptr;
    }
    QString Focused() const {
        QAccessibleInterface* focus = window->focusChild();
        return focus ? focus->text(QAccessible::Name) : QString();
    }
    static int32_t LinePay(const TStops& stops, int line) {
        TStrips strips{};
        BuildStrips(strips);
        return NormalLinePayoff(LineSymbols(strips, stops, line)).Total();
    }
    static bool PlainWin(const TStops& s) {
        TStrips strips{};
        BuildStrips(strips);
        bool win = false;
        for (int w = 0; w < WheelCount; ++w)
            if (strips[w][s[w]] == Wild || strips[w][s[w]] == Mystery)
                return false;
        for (int line = 0; line < LineCount; ++line) {
            const TLinePayoff pay = NormalLinePayoff(LineSymbols(strips, s, line));
            if (pay.Symbol == Dollar || pay.Symbol == Globe)
                return false;
            win = win || pay.Total() > 0;
        }
        return win;
    }
};

// A screen reader finds every part of the painted machine, in reading order, each with the role,
// words and state a player needs; the buttons can be pressed and name their keys.
TEST_F(Accessibility, TheWindowReadsAsItsPartsInReadingOrder) {
    struct TChild {
        QAccessible::Role Role;
        const char* Name;
        const char* Keys = "";
        bool Disabled = false;
        bool Invisible = false;
        int Checked = -1; // -1: not a toggle
    };
    const std::vector<TChild> expected{
        {QAccessible::StaticText, "Credits: 1000"},
        {QAccessible::StaticText, "Bonus Pool: 100 credits; globes still needed: 3"},
        {QAccessible::StaticText, "Win 3 FREE Spins: dollars still needed: 3"},
        {QAccessible::StaticText, "Free spins left: 0", "", false, true},
        {QAccessible::StaticText, "Winnings: 0", "", false, true},
        {QAccessible::Grouping, "Wheels: top row Globe, Seven, Diamond; middle row Bell, Bell, Dollar; "
                                "bottom row Seven, Wild, Cherries"},
        {QAccessible::Grouping,
         "Mystery Bonus: eight boxes; a Mystery symbol on the centre wheel starts the chaser"},
        {QAccessible::StaticText, "Lines Played: 8"},
        {QAccessible::Button, "Lines plus", "L", true},
        {QAccessible::Button, "Lines minus", "K"},
        {QAccessible::StaticText, "Coins per Line: 1"},
        {QAccessible::Button, "Coins plus", "C"},
        {QAccessible::Button, "Coins minus", "X"},
        {QAccessible::StaticText, "Coins Played: 8"},
        {QAccessible::CheckBox, "Auto Spin", "", false, false, 0},
        {QAccessible::Button, "Stats"},
        {QAccessible::Button, "Summary"},
        {QAccessible::Button, "Load Game"},
        {QAccessible::Button, "New Game"},
        {QAccessible::Button, "Save Game"},
        {QAccessible::Button, "Borrow"},
        {QAccessible::CheckBox, "Double", "", false, false, 1},
        {QAccessible::Button, "Pay Chart"},
        {QAccessible::Button, "WWW Site"},
        {QAccessible::CheckBox, "Pay Mode", "", false, false, 1},
        {QAccessible::CheckBox, "Sound", "", false, false, 1},
        {QAccessible::Button, "Help?", "F1"},
        {QAccessible::Button, "Exit"},
        {QAccessible::Button, "Spin", "Enter"},
        {QAccessible::Button, "Stop", "Space, S"},
        {QAccessible::Button, "About Zorva Slots"},
        {QAccessible::StatusBar, "Zorva Slots. Enter spins, Space stops, Tab moves to the other controls."},
    };
    ASSERT_EQ(window->childCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        const TChild& want = expected[i];
        SCOPED_TRACE(want.Name);
        EXPECT_EQ(child->text(QAccessible::Name).toStdString(), want.Name);
        EXPECT_EQ(child->role(), want.Role);
        EXPECT_EQ(child->parent(), window);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(bool(child->state().disabled), want.Disabled);
        EXPECT_EQ(bool(child->state().invisible), want.Invisible);
        EXPECT_EQ(child->state().checkable ? int(child->state().checked) : -1, want.Checked);
        if (want.Role == QAccessible::Button || want.Role == QAccessible::CheckBox) {
            ASSERT_NE(child->actionInterface(), nullptr);
            QAccessibleActionInterface* actions = child->actionInterface();
            EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
            // Orca speaks the third field, the accelerator, after the control's name.
            const QStringList keys = actions->keyBindingsForAction(QAccessibleActionInterface::pressAction());
            EXPECT_EQ(keys.size() == 3 ? keys[2].toStdString() : keys.join(';').toStdString(), want.Keys);
            EXPECT_TRUE(child->state().focusable);
            EXPECT_FALSE(child->rect().isEmpty());
        }
    }
    ASSERT_NE(Named("Credits")->valueInterface(), nullptr);
    EXPECT_EQ(Named("Credits")->valueInterface()->currentValue().toInt(), 1000);
    EXPECT_EQ(Named("Sound")->text(QAccessible::Description), "Click to Turn Sound On or Off");
}

// Pressing Spin through the screen reader spins as a click does, once the request is answered;
// the wheels then read their new symbols and the meters their new values.
TEST_F(Accessibility, ThePressActionOnSpinSpins) {
    form.Session.PayMode = false;
    form.Session.Double = false;
    const QString before = Named("Wheels")->text(QAccessible::Name);
    Named("Spin")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.Session.Spins, 0) << "the press comes back through the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Session.Spins, 1);
    EXPECT_EQ(form.Session.TotalBets, 8);
    EXPECT_NE(Named("Wheels")->text(QAccessible::Name), before);
    EXPECT_EQ(Named("Credits")->text(QAccessible::Name), QStringLiteral("Credits: %1").arg(form.Session.Credits));
    EXPECT_FALSE(Spoken().empty());
}

// The outcome of a spin is spoken in the summary's own words with the winnings, and a count-off
// is followed by the credits it brought the meter to.
TEST_F(Accessibility, ASpinsOutcomeIsAnnouncedInTheSummarysWords) {
    form.Session.Double = false;
    Clock.TimeOfDay = SeedWhere(PlainWin);
    const TStops stops = DrawFromSeed(Clock.TimeOfDay).Stops;
    QString expected;
    int32_t won = 0;
    for (int line = 0; line < LineCount; ++line)
        if (const int32_t pay = LinePay(stops, line); pay > 0) {
            expected += QStringLiteral("Line %1 paid %2. ").arg(line + 1).arg(pay);
            won += pay;
        }
    expected += QStringLiteral("Winnings: %1.").arg(won);

    QTest::keyClick(&form, Qt::Key_Return);
    const QStringList spoken = Spoken();
    ASSERT_EQ(spoken.size(), 2);
    EXPECT_EQ(spoken[0].toStdString(), expected.toStdString());
    EXPECT_EQ(spoken[1].toStdString(),
              QStringLiteral("Count-off finished. Credits: %1.").arg(1000 - 8 + won).toStdString());
    EXPECT_EQ(Named("Count-off")->role(), QAccessible::StatusBar) << "the status line reads the last one";

    // Orca speaks a status line's new text only when the player caused it there; a notification it
    // speaks as soon as it is shown. The last line is the one shown; earlier ones stay hidden.
    EXPECT_EQ(VisibleNotice().toStdString(), spoken[1].toStdString());
}

// Guards against a bet change heard only as the key's name: the new figure is spoken, once, and
// a refused change says nothing new.
TEST_F(Accessibility, ABetChangeSpeaksItsNewFigure) {
    QTest::keyClick(&form, Qt::Key_K);
    EXPECT_EQ(VisibleNotice().toStdString(), "Lines Played: 7");
    QTest::keyClick(&form, Qt::Key_C);
    EXPECT_EQ(VisibleNotice().toStdString(), "Coins per Line: 2");
    QTest::keyClick(&form, Qt::Key_L);
    EXPECT_EQ(VisibleNotice().toStdString(), "Lines Played: 8");
    QTest::keyClick(&form, Qt::Key_L); // refused at eight lines: the buzz is said in words
    EXPECT_EQ(VisibleNotice().toStdString(), "Lines Played: 8, the most.");
    form.Session.Credits = 16;
    QTest::keyClick(&form, Qt::Key_C);
    EXPECT_EQ(VisibleNotice().toStdString(), "You do not have enough credits for that bet,");
}

// A setting switched by a click is said with its button's name, and a spin that wins nothing ends
// in the credits it left, in one notice with its outcome.
TEST_F(Accessibility, ASwitchedSettingAndASettledSpinAreSpoken) {
    form.Session.Dollars = form.Session.Globes = 100; // neither award comes into it
    const QRect box = Named("Double")->rect();
    QTest::mouseClick(form.Options->OptionButtons[option::Double], Qt::LeftButton);
    EXPECT_EQ(VisibleNotice().toStdString(), "Double: off.");
    EXPECT_EQ(Named("Double")->role(), QAccessible::CheckBox);
    EXPECT_FALSE(Named("Double")->state().checked);
    EXPECT_FALSE(box.isEmpty());

    Clock.TimeOfDay = SeedWhere([](const TStops& s) {
        for (int line = 0; line < LineCount; ++line)
            if (LinePay(s, line) > 0)
                return false;
        TStrips strips{};
        BuildStrips(strips);
        return strips[4][s[4]] != Mystery;
    });
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_TRUE(VisibleNotice().endsWith(QStringLiteral(". Credits: %1.").arg(form.Session.Credits)))
        << VisibleNotice().toStdString();
}

// A spin that fills the dollar row is told as it happens: the award, the series, each free spin
// and its end with what the series paid, then the credits the whole spin left.
TEST_F(Accessibility, AFreeSpinSeriesIsAnnouncedFromStartToEnd) {
    form.Session.Double = false;
    form.Session.PayMode = false;
    form.Session.Dollars = 1;
    Clock.TimeOfDay = SeedWhere([](const TStops& s) {
        TStrips strips{};
        BuildStrips(strips);
        if (strips[4][s[4]] == Mystery)
            return false;
        for (int line = 0; line < LineCount; ++line)
            if (NormalLinePayoff(LineSymbols(strips, s, line)).Symbol == Dollar)
                return true;
        return false;
    });
    QTest::keyClick(&form, Qt::Key_Return);
    const QStringList spoken = Spoken();
    ASSERT_EQ(spoken.size(), 7) << spoken.join('|').toStdString();
    EXPECT_TRUE(spoken[0].endsWith(QStringLiteral("Won 3 free spins."))) << spoken[0].toStdString();
    EXPECT_EQ(spoken[1], QStringLiteral("Free spins start: 3 free spins."));
    for (int i = 2; i < 5; ++i)
        EXPECT_TRUE(spoken[i].startsWith(QStringLiteral("Free spin. "))) << spoken[i].toStdString();
    EXPECT_EQ(spoken[5], QStringLiteral("Free spins are over. They paid %1 credits.").arg(form.Session.BonusRollWon));
    EXPECT_EQ(spoken[6], QStringLiteral("Credits: %1.").arg(form.Session.Credits));
}

// Tab and Shift+Tab walk a visible ring over every control in reading order, Space presses the
// ringed control, Escape gives Space back to Stop; Enter and the bet keys never change meaning.
TEST_F(Accessibility, TabMovesAVisibleRingOverTheControlsInReadingOrder) {
    const std::vector<QString> order{
        "Lines plus", "Lines minus", "Coins plus", "Coins minus", "Auto Spin", "Stats",    "Summary",
        "Load Game",  "New Game",    "Save Game",  "Borrow",      "Double",    "Pay Chart", "WWW Site",
        "Pay Mode",   "Sound",       "Help?",      "Exit",        "Spin",      "Stop",      "About Zorva Slots"};
    TFocusMark* mark = nullptr;
    for (QObject* child : form.children())
        mark = mark ? mark : dynamic_cast<TFocusMark*>(child);
    ASSERT_NE(mark, nullptr);
    EXPECT_FALSE(mark->isVisible());
    std::vector<QString> seen;
    for (size_t i = 0; i <= order.size(); ++i) {
        QTest::keyClick(&form, Qt::Key_Tab);
        seen.push_back(Focused());
        EXPECT_TRUE(window->focusChild()->state().focused);
        EXPECT_TRUE(mark->isVisible());
        for (int c = 0; c < window->childCount(); ++c) {
            QAccessibleInterface* other = window->child(c);
            if (other == window->focusChild() || !other->state().focusable)
                continue;
            EXPECT_FALSE(mark->geometry().intersects(other->rect().translated(-form.mapToGlobal(QPoint()))))
                << "the ring on " << seen.back().toStdString() << " covers "
                << other->text(QAccessible::Name).toStdString();
        }
    }
    std::vector<QString> wanted = order;
    wanted.push_back(order.front());
    EXPECT_EQ(seen, wanted) << "round the controls and back to the first";
    QTest::keyClick(&form, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), "About Zorva Slots");

    // Three Tabs on from the logo: Coins plus.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&form, Qt::Key_Tab);
    EXPECT_EQ(Focused(), "Coins plus");
    EXPECT_TRUE(mark->geometry().contains(window->focusChild()->rect().translated(-form.mapToGlobal(QPoint()))));
    form.Session.LinesPlayed = 2;
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_EQ(form.Session.CoinsPerLine, 2) << "Space pressed the ringed control";
    QTest::keyClick(&form, Qt::Key_X);
    EXPECT_EQ(form.Session.CoinsPerLine, 1) << "the bet keys keep their meaning";

    form.Session.PayMode = false;
    form.Session.Double = false;
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(form.Session.Spins, 1) << "Enter spins wherever the ring is";
    EXPECT_EQ(form.Session.CoinsPerLine, 1);

    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(mark->isVisible());
    EXPECT_EQ(window->focusChild(), nullptr);
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_EQ(form.Session.CoinsPerLine, 1) << "Space is Stop again";
    EXPECT_TRUE(form.Machine.StopRequested);
}

} // namespace
} // namespace zorva

namespace zorva {
namespace {

// Guards against a ring that reaches over a neighbouring control: it stands out by half the gap
// to the nearest one, and lies on the control's own edge where two touch.
TEST(FocusRing, StandsOutOnlyAsFarAsTheGapToTheNearestControlAllows) {
    const QRect control(100, 100, 50, 20);
    const struct {
        std::vector<QRect> Others;
        int Room;
    } cases[] = {
        {{}, 5},
        {{QRect(400, 400, 10, 10)}, 5},
        {{QRect(150, 100, 50, 20)}, 0},           // touching on the right
        {{QRect(100, 120, 50, 20)}, 0},           // touching below
        {{QRect(155, 100, 50, 20)}, 2},           // five pixels between
        {{QRect(100, 70, 50, 28)}, 1},            // two pixels above
        {{QRect(160, 200, 10, 10)}, 5},           // diagonal, far below
        {{QRect(30, 100, 66, 20), QRect(159, 90, 5, 5)}, 2},
        {{QRect(120, 105, 10, 10)}, 0},           // overlapping
        {{control}, 5},                           // the control itself
    };
    for (const auto& c : cases)
        EXPECT_EQ(TFocusMark::RoomAround(control, c.Others), c.Room) << "with " << c.Others.size() << " others";
}

} // namespace
} // namespace zorva


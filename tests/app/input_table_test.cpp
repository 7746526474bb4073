#include <QTest>
#include <QWindow>
#include <array>
#include <string>

#include "spin_fixture.h"

namespace zorva {
namespace {

// What one key or click did in one state of the machine, as the player notices it: the change it
// made and the first sound it played ("" for none).
struct TCell {
    std::string Effect;
    std::string Sound;
    bool operator==(const TCell&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TCell& cell) {
    return out << '{' << cell.Effect << " | " << cell.Sound << '}';
}

enum TState { AtRest, Spinning, ChaserWaiting, CountOff, FreeSpins, ModalWindowOpen, StateCount };
const char* const StateNames[StateCount] = {"at rest",   "spinning",   "chaser waiting",
                                            "count-off", "free spins", "modal window open"};

class InputTable : public SpinTest {
  protected:
    TForm1* form = nullptr;

    // A fresh machine with 4 lines of 2 coins, so every adjuster can move both ways.
    void OpenMachine() {
        form = &Open(1024, 768);
        form->show();
        form->Session.Credits = 1000;
        form->Session.LinesPlayed = 4;
        form->Session.CoinsPerLine = 2;
        form->Session.PayMode = false;
        form->Session.Double = false;
        form->Session.AutoSpin = false;
    }

    static QPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

    // Sends one row's key or click through the window system, where a modal window blocks it.
    void Send(const std::string& row) {
        QWindow* window = form->windowHandle();
        const TWindowLayout& layout = form->Layout;
        const auto key = [&](Qt::Key k) { QTest::keyClick(window, k); };
        const auto click = [&](Qt::MouseButton button, const TRect& r) {
            QTest::mouseClick(window, button, {}, Centre(r));
        };
        if (row == "Enter")
            key(Qt::Key_Return);
        else if (row == "Space")
            key(Qt::Key_Space);
        else if (row.size() == 1)
            key(static_cast<Qt::Key>(row[0]));
        else if (row == "right button on Spin")
            click(Qt::RightButton, layout.SpinButtonRect);
        else if (row == "Spin")
            click(Qt::LeftButton, layout.SpinButtonRect);
        else if (row == "Stop")
            click(Qt::LeftButton, layout.StopButtonRect);
        else if (row == "lines plus")
            click(Qt::LeftButton, layout.LinesAdjusterRect);
        else if (row == "lines minus")
            click(Qt::LeftButton, MinusButtonOf(layout.LinesAdjusterRect));
        else if (row == "coins plus")
            click(Qt::LeftButton, layout.CoinsAdjusterRect);
        else if (row == "coins minus")
            click(Qt::LeftButton, MinusButtonOf(layout.CoinsAdjusterRect));
        else
            ADD_FAILURE() << "no such row " << row;
    }

    // Sends the row and notes what it changed and the first sound it made.
    TCell Deliver(const std::string& row) {
        const TGameSession before = form->Session;
        const bool stopRequested = form->Machine.StopRequested;
        form->Machine.StopRequested = false;
        const std::size_t heard = Sound.Log.size();
        Send(row);
        const TGameSession& after = form->Session;
        std::string effect;
        const auto note = [&](const std::string& what) { effect += (effect.empty() ? "" : ", ") + what; };
        if (after.Spins > before.Spins)
            note("spin");
        if (after.LinesPlayed != before.LinesPlayed)
            note(after.LinesPlayed > before.LinesPlayed ? "lines +1" : "lines -1");
        if (after.CoinsPerLine != before.CoinsPerLine)
            note(after.CoinsPerLine > before.CoinsPerLine ? "coins +1" : "coins -1");
        if (after.MysteryBonus > before.MysteryBonus)
            note("mystery paid");
        if (form->Machine.StopRequested && !(after.Spins > before.Spins))
            note("stop");
        form->Machine.StopRequested = form->Machine.StopRequested || stopRequested;
        std::string sound;
        for (std::size_t i = heard; i < Sound.Log.size() && sound.empty(); ++i)
            sound = Sound.Log[i] == "memory"             ? "click"
                    : Sound.Log[i] == "start Zorva1.wav" ? "buzz"
                    : Sound.Log[i] == "stop"             ? ""
                                                         : Sound.Log[i];
        return {effect, sound};
    }

    // Runs act as soon as this machine is in the state, checking every 10 virtual milliseconds.
    void When(std::function<bool()> reached, std::function<void()> act) {
        Clock.At(Clock.Now + 10, [this, machine = form, reached, act] {
            if (form != machine)
                return; // the cell is over; its machine is gone
            if (reached())
                act();
            else
                When(reached, act);
        });
    }

    // Brings a fresh machine into the state and delivers the row there.
    TCell InState(TState state, const std::string& row) {
        OpenMachine();
        TGameSession& session = form->Session;
        if (state == CountOff || state == FreeSpins || state == ModalWindowOpen) {
            // The spins chosen below win on any of the eight lines; every bet change is refused there.
            session.LinesPlayed = 8;
            session.CoinsPerLine = 1;
        }
        TCell cell{"(state not reached)", ""};
        const auto deliver = [&] { cell = Deliver(row); };
        switch (state) {
        case AtRest:
            deliver();
            break;
        case Spinning:
            When([&] { return session.Spinning; }, deliver);
            QTest::keyClick(form->windowHandle(), Qt::Key_Return);
            break;
        case ChaserWaiting:
            NextSpinDraws([&](const TStops& s) { return ShowsMystery(s) && Wins(s) == 0 && NoWild(s); });
            QTest::keyClick(form->windowHandle(), Qt::Key_Return);
            if (form->Machine.TimerEnabled(TimerId::Timer1))
                deliver();
            break;
        case CountOff: {
            session.PayMode = true;
            NextSpinDraws([&](const TStops& s) { return Wins(s) >= 40 && Plain(s); });
            const int32_t afterBet = session.Credits - session.Bet();
            When([&] { return session.Spinning && session.Credits > afterBet && session.SpinWinnings > 0; },
                 deliver);
            QTest::keyClick(form->windowHandle(), Qt::Key_Return);
            break;
        }
        case FreeSpins:
            session.Dollars = 1;
            NextSpinDraws([&](const TStops& s) { return DollarLine(s) && !ShowsMystery(s); });
            When([&] { return form->Machine.FreeSpinMode && session.Spinning; }, deliver);
            QTest::keyClick(form->windowHandle(), Qt::Key_Return);
            break;
        case ModalWindowOpen:
            session.Double = true;
            session.BonusGame = true;
            NextSpinDraws([&](const TStops& s) { return Wins(s) > 0 && Plain(s); });
            WhenWindowUp([&](QWidget* game) {
                deliver();
                Press(game, "&OK");
            });
            QTest::keyClick(form->windowHandle(), Qt::Key_Return);
            break;
        case StateCount:
            break;
        }
        return cell;
    }
};

// Every key and click of the machine in every state it can be in. Spin is refused while the wheels
// turn, while the chaser waits and while a count-off or free spins run; Stop is always heard; a bet
// change clicks at rest and while the chaser waits, and buzzes while the wheels turn; a modal
// window in front takes every key and click. Guards among others against Spin accepted while the
// chaser waits and against the coins lowered mid-spin.
TEST_F(InputTable, EveryKeyAndClickInEveryState) {
    const TCell spin{"spin", "click"}, none{"", ""}, stop{"stop", ""}, award{"mystery paid, stop", "click"};
    const TCell buzz{"", "buzz"};
    const auto adjust = [](const char* change) { return TCell{change, "click"}; };
    using TRow = std::array<TCell, StateCount>;
    // clang-format off
    const std::vector<std::pair<std::string, TRow>> table{
        //                       at rest             spinning chaser waiting      count-off free spins modal
        {"Enter",                {spin,               none,    none,               none,     none,      none}},
        {"right button on Spin", {spin,               none,    none,               none,     none,      none}},
        {"Spin",                 {spin,               none,    none,               none,     none,      none}},
        {"Space",                {stop,               stop,    award,              stop,     stop,      none}},
        {"Stop",                 {stop,               stop,    award,              stop,     stop,      none}},
        {"L",                    {adjust("lines +1"), buzz,    adjust("lines +1"), buzz,     buzz,      none}},
        {"lines plus",           {adjust("lines +1"), buzz,    adjust("lines +1"), buzz,     buzz,      none}},
        {"K",                    {adjust("lines -1"), buzz,    adjust("lines -1"), buzz,     buzz,      none}},
        {"lines minus",          {adjust("lines -1"), buzz,    adjust("lines -1"), buzz,     buzz,      none}},
        {"C",                    {adjust("coins +1"), buzz,    adjust("coins +1"), buzz,     buzz,      none}},
        {"coins plus",           {adjust("coins +1"), buzz,    adjust("coins +1"), buzz,     buzz,      none}},
        {"X",                    {adjust("coins -1"), buzz,    adjust("coins -1"), buzz,     buzz,      none}},
        {"coins minus",          {adjust("coins -1"), buzz,    adjust("coins -1"), buzz,     buzz,      none}},
    };
    // clang-format on
    for (const auto& [row, expected] : table)
        for (int state = 0; state < StateCount; ++state)
            EXPECT_EQ(InState(static_cast<TState>(state), row), expected[state])
                << row << " " << StateNames[state];

    OpenMachine();
    QTest::keyClick(form->windowHandle(), Qt::Key_C, Qt::ShiftModifier);
    EXPECT_EQ(form->Session.CoinsPerLine, 3) << "letters work with Shift too";
}

} // namespace
} // namespace zorva

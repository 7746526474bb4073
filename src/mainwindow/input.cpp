#include "mainwindow/input.h"

namespace zorva {

TRect AdjusterRect(const TWindowLayout& layout, TBetChange change) {
    switch (change) {
    case TBetChange::LinesUp:
        return layout.LinesAdjusterRect;
    case TBetChange::LinesDown:
        return MinusButtonOf(layout.LinesAdjusterRect);
    case TBetChange::CoinsUp:
        return layout.CoinsAdjusterRect;
    case TBetChange::CoinsDown:
        break;
    }
    return MinusButtonOf(layout.CoinsAdjusterRect);
}

bool TMachineInput::SpinAllowed() const {
    return !Machine.Session.Spinning && !Machine.TimerEnabled(TimerId::Timer1);
}

void TMachineInput::SpinIfAllowed() {
    if (SpinAllowed())
        Machine.RequestSpin();
}

void TMachineInput::FormMouseDown(int x, int y) {
    const TRect& stop = Layout.StopButtonRect;
    if (x >= stop.Left && x <= stop.Right) {
        if (y >= stop.Top && y <= stop.Bottom)
            Machine.PressStop();
        else if (y >= Layout.SpinButtonRect.Top && y <= Layout.SpinButtonRect.Bottom)
            SpinIfAllowed();
    }
    if (Contains(AdjusterRect(Layout, TBetChange::LinesUp), x, y))
        BetUpLines();
    if (Contains(AdjusterRect(Layout, TBetChange::LinesDown), x, y))
        BetDownLines();
    if (Contains(AdjusterRect(Layout, TBetChange::CoinsUp), x, y))
        BetUpCoins();
    if (Contains(AdjusterRect(Layout, TBetChange::CoinsDown), x, y))
        BetDownCoins();
}

void TMachineInput::FormKeyDown(TKey key) {
    switch (key) {
    case TKey::Enter:
        SpinIfAllowed();
        break;
    case TKey::Space:
        Machine.PressStop();
        break;
    case TKey::L:
        BetUpLines();
        break;
    case TKey::K:
        BetDownLines();
        break;
    case TKey::C:
        BetUpCoins();
        break;
    case TKey::X:
        BetDownCoins();
        break;
    case TKey::Other:
        break;
    }
}

// The bet's four adjusters; the machine owns the rule and the change.
void TMachineInput::BetUpLines() {
    Machine.ChangeBet(TBetChange::LinesUp);
}

void TMachineInput::BetDownLines() {
    Machine.ChangeBet(TBetChange::LinesDown);
}

void TMachineInput::BetUpCoins() {
    Machine.ChangeBet(TBetChange::CoinsUp);
}

void TMachineInput::BetDownCoins() {
    Machine.ChangeBet(TBetChange::CoinsDown);
}

} // namespace zorva

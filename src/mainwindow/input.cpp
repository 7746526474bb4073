#include "mainwindow/input.h"

namespace zorva {

namespace {

constexpr int32_t MostPerBet = 8;

} // namespace

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
    if (Contains(Layout.LinesAdjusterRect, x, y))
        BetUpLines();
    if (Contains(MinusButtonOf(Layout.LinesAdjusterRect), x, y))
        BetDownLines();
    if (Contains(Layout.CoinsAdjusterRect, x, y))
        BetUpCoins();
    if (Contains(MinusButtonOf(Layout.CoinsAdjusterRect), x, y))
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

bool TMachineInput::Accept(bool allowed) {
    Machine.Host.Play(allowed ? SoundId::Click : SoundId::Refusal);
    return allowed;
}

void TMachineInput::BetUpLines() {
    TGameSession& s = Machine.Session;
    if (!Accept(s.LinesPlayed < MostPerBet && (s.LinesPlayed + 1) * s.CoinsPerLine <= s.Credits &&
                !s.Spinning))
        return;
    s.LinesPlayed += 1;
    Machine.Host.DrawMeter(TMeter::LinesPlayed);
    Machine.Host.DrawMeter(TMeter::CoinsPlayed);
}

void TMachineInput::BetDownLines() {
    TGameSession& s = Machine.Session;
    if (!Accept(s.LinesPlayed > 0 && !s.Spinning))
        return;
    s.LinesPlayed -= 1;
    Machine.Host.DrawMeter(TMeter::LinesPlayed);
    Machine.Host.DrawMeter(TMeter::CoinsPlayed);
}

void TMachineInput::BetUpCoins() {
    TGameSession& s = Machine.Session;
    if (!Accept(s.CoinsPerLine < MostPerBet && (s.CoinsPerLine + 1) * s.LinesPlayed <= s.Credits &&
                !s.Spinning))
        return;
    s.CoinsPerLine += 1;
    Machine.Host.DrawMeter(TMeter::CoinsPerLine);
    Machine.Host.DrawMeter(TMeter::CoinsPlayed);
}

void TMachineInput::BetDownCoins() {
    TGameSession& s = Machine.Session;
    if (!Accept(s.CoinsPerLine > 0 && !s.Spinning))
        return;
    s.CoinsPerLine -= 1;
    Machine.Host.DrawMeter(TMeter::CoinsPlayed);
    Machine.Host.DrawMeter(TMeter::CoinsPerLine);
}

} // namespace zorva

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
    Machine.PlaySound(allowed ? SoundId::Click : SoundId::Refusal);
    return allowed;
}

bool AdjustAllowed(const TGameSession& s, int32_t TGameSession::*value, int step,
                   int32_t TGameSession::*other) {
    const int32_t next = s.*value + step;
    const bool allowed =
        step < 0 ? s.*value > 0 : s.*value < MostPerBet && int64_t{next} * (s.*other) <= s.Credits;
    return allowed && !s.Spinning;
}

// Each adjuster moves one value of the bet by one as AdjustAllowed lets it; it repaints its own
// meter and the Coins Played meter.
void TMachineInput::Adjust(int32_t TGameSession::*value, int step, int32_t TGameSession::*other,
                           TMeter meter) {
    TGameSession& s = Machine.Session;
    if (!Accept(AdjustAllowed(s, value, step, other)))
        return;
    s.*value += step;
    // Lowering the coins repaints the bet first; every other change repaints its own meter first.
    const bool betFirst = value == &TGameSession::CoinsPerLine && step < 0;
    Machine.Host.DrawMeter(betFirst ? TMeter::CoinsPlayed : meter);
    Machine.Host.DrawMeter(betFirst ? meter : TMeter::CoinsPlayed);
}

void TMachineInput::BetUpLines() {
    Adjust(&TGameSession::LinesPlayed, +1, &TGameSession::CoinsPerLine, TMeter::LinesPlayed);
}

void TMachineInput::BetDownLines() {
    Adjust(&TGameSession::LinesPlayed, -1, &TGameSession::CoinsPerLine, TMeter::LinesPlayed);
}

void TMachineInput::BetUpCoins() {
    Adjust(&TGameSession::CoinsPerLine, +1, &TGameSession::LinesPlayed, TMeter::CoinsPerLine);
}

void TMachineInput::BetDownCoins() {
    Adjust(&TGameSession::CoinsPerLine, -1, &TGameSession::LinesPlayed, TMeter::CoinsPerLine);
}

} // namespace zorva

#include "engine/machine.h"

namespace zorva {

namespace {

struct TAdjuster {
    int32_t TGameSession::*Value;
    int Step;
    int32_t TGameSession::*Other; // the bet is Value times Other
    TMeter Meter;
};

TAdjuster AdjusterOf(TBetChange change) {
    switch (change) {
    case TBetChange::LinesUp:
        return {&TGameSession::LinesPlayed, +1, &TGameSession::CoinsPerLine, TMeter::LinesPlayed};
    case TBetChange::LinesDown:
        return {&TGameSession::LinesPlayed, -1, &TGameSession::CoinsPerLine, TMeter::LinesPlayed};
    case TBetChange::CoinsUp:
        return {&TGameSession::CoinsPerLine, +1, &TGameSession::LinesPlayed, TMeter::CoinsPerLine};
    case TBetChange::CoinsDown:
        break;
    }
    return {&TGameSession::CoinsPerLine, -1, &TGameSession::LinesPlayed, TMeter::CoinsPerLine};
}

} // namespace

bool TSlotMachine::BetChangeAllowed(TBetChange change) const {
    const TAdjuster a = AdjusterOf(change);
    const TGameSession& s = Session;
    const int32_t next = s.*a.Value + a.Step;
    const bool allowed =
        a.Step < 0 ? s.*a.Value > 0 : s.*a.Value < MostPerBet && int64_t{next} * (s.*a.Other) <= s.Credits;
    return allowed && !s.Spinning;
}

// Each adjuster moves one value of the bet by one; it repaints its own meter and the Coins
// Played meter.
bool TSlotMachine::ChangeBet(TBetChange change) {
    const bool allowed = BetChangeAllowed(change);
    PlaySound(allowed ? SoundId::Click : SoundId::Refusal);
    if (!allowed) {
        Notices.BetRefused(change);
        return false;
    }
    const TAdjuster a = AdjusterOf(change);
    Session.*a.Value += a.Step;
    // Lowering the coins repaints the bet first; every other change repaints its own meter first.
    const bool betFirst = change == TBetChange::CoinsDown;
    View.DrawMeter(betFirst ? TMeter::CoinsPlayed : a.Meter);
    View.DrawMeter(betFirst ? a.Meter : TMeter::CoinsPlayed);
    return true;
}

} // namespace zorva

#include "engine/credits.h"
#include "engine/machine.h"

namespace zorva {

void TSlotMachine::PaySpinWinnings() {
    if (Session.PayMode) {
        if (Session.SpinWinnings > 0)
            CountOffCredits();
        return;
    }
    Session.Credits = SaturatingAdd(Session.Credits, Session.SpinWinnings);
    View.DrawMeter(TMeter::Credits);
    if (Session.SpinWinnings > 0)
        PlaySound(SoundId::Payoff);
}

// Big wins move in big steps, small ones credit by credit, one tick every tenth of a second.
void TSlotMachine::CountOffCredits() {
    while (Session.SpinWinnings > 0) {
        if (Closing) {
            Session.Credits = SaturatingAdd(Session.Credits, Session.SpinWinnings);
            Session.SpinWinnings = 0;
            View.DrawMeter(TMeter::Credits);
            return;
        }
        const int32_t left = Session.SpinWinnings;
        const int32_t step = left >= 1000 ? 25 : left >= 100 ? 10 : left >= 25 ? 5 : 1;
        Session.Credits = SaturatingAdd(Session.Credits, step);
        Session.SpinWinnings = SaturatingAdd(Session.SpinWinnings, -step);
        PlaySound(SoundId::CountOffTick);
        View.DrawMeter(TMeter::Credits);
        Pause(0.1);
    }
    Notices.Announce(TAnnouncement::CountOffEnded);
}

} // namespace zorva

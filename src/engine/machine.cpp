#include "engine/machine.h"

namespace zorva {

TSlotMachine::TSlotMachine(TGameSession& session, THost& host) : Session(session), Host(host) {
    BuildStrips(Strips);
}

void TSlotMachine::EnableTimer(TimerId timer, bool enabled) {
    TimerOn[static_cast<int>(timer)] = enabled;
    if (!TimersHeld)
        Host.SetTimer(timer, enabled);
}

// A sound the machine waits for stops the machine, as a blocking play did: the chaser, the blinks
// and the line flash stand still while it plays (the host's wait still runs their timers), and
// each starts its interval afresh afterwards, owing no tick.
void TSlotMachine::PlaySound(SoundId sound) {
    if (SoundInfo(sound).Mode != SoundMode::Synchronous || TimersHeld) {
        Host.Play(sound);
        return;
    }
    TimersHeld = true;
    for (int t = 0; t < TimerCount; ++t)
        if (TimerOn[t])
            Host.SetTimer(static_cast<TimerId>(t), false);
    Host.Play(sound);
    TimersHeld = false;
    for (int t = 0; t < TimerCount; ++t)
        if (TimerOn[t])
            Host.SetTimer(static_cast<TimerId>(t), true);
}

void TSlotMachine::OnTimer(TimerId timer) {
    if (!TimerEnabled(timer))
        return; // a tick already queued when the timer was stopped
    switch (timer) {
    case TimerId::Timer1:
        StepMystery();
        break;
    case TimerId::Timer2:
        BlinkStop();
        break;
    case TimerId::Timer4:
        FlashWinningLines();
        break;
    case TimerId::Timer5:
        ShowFreeSpins();
        break;
    }
}

void TSlotMachine::Randomize() {
    Rng.Randomize(Host.UtcMillisecondOfDay());
}

void TSlotMachine::Pause(double seconds) {
    const uint32_t start = Host.TickCount();
    const auto length = static_cast<uint32_t>(seconds * 1000.0);
    // Unsigned differences keep the wait right when the tick counter wraps.
    while (Host.TickCount() - start < length)
        Host.HandleEvents(start + length);
}

void TSlotMachine::NewGame() {
    NewGameReset(Session);
    Session.CreditHistory.Mark(TCreditEvent::NewGame, Session.Credits);
    Host.RepaintAll();
}

} // namespace zorva

#include "engine/machine.h"

namespace zorva {

TSlotMachine::TSlotMachine(TGameSession& session, TMachineView& view, TMachineSound& sound, TMachineClock& clock,
                           TMachineDialogs& dialogs, TMachineNotices& notices)
    : Session(session), View(view), Sound(sound), Clock(clock), Dialogs(dialogs), Notices(notices) {
    BuildStrips(Strips);
}

void TSlotMachine::Close() {
    Closing = true;
    Session.AutoSpin = false;
    StopRequested = true;
}

void TSlotMachine::EnableTimer(TimerId timer, bool enabled) {
    TimerOn[static_cast<int>(timer)] = enabled;
    if (!TimersHeld)
        Clock.SetTimer(timer, enabled);
}

// A sound the machine waits for stops the machine, as a blocking play did: the chaser, the blinks
// and the line flash stand still while it plays (the host's wait still runs their timers), and
// each starts its interval afresh afterwards, owing no tick.
void TSlotMachine::PlaySound(SoundId sound) {
    if (SoundInfo(sound).Mode != SoundMode::Synchronous || TimersHeld) {
        Sound.Play(sound);
        return;
    }
    TimersHeld = true;
    for (int t = 0; t < TimerCount; ++t)
        if (TimerOn[t])
            Clock.SetTimer(static_cast<TimerId>(t), false);
    Sound.Play(sound);
    TimersHeld = false;
    for (int t = 0; t < TimerCount; ++t)
        if (TimerOn[t])
            Clock.SetTimer(static_cast<TimerId>(t), true);
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
    Rng.Randomize(Clock.UtcMillisecondOfDay());
}

void TSlotMachine::Pause(double seconds) {
    const uint32_t start = Clock.TickCount();
    const auto length = static_cast<uint32_t>(seconds * 1000.0);
    // Unsigned differences keep the wait right when the tick counter wraps.
    while (Clock.TickCount() - start < length)
        Clock.HandleEvents(start + length);
}

void TSlotMachine::NewGame() {
    NewGameReset(Session);
    Session.CreditHistory.Mark(TCreditEvent::NewGame, Session.Credits);
    View.RepaintAll();
}

} // namespace zorva

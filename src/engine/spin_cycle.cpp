#include "engine/credits.h"
#include "engine/machine.h"
#include "engine/texts.h"

namespace zorva {

namespace {

constexpr int LastTick = 101;
constexpr uint32_t TickLength = 25;
constexpr int BlurStep = 61;
constexpr int MotionStripHeight = 576;
constexpr int LastBlurPhase = 20;
// Vertical shifts of a stopped wheel's bounce, one per tick after the first drop of 1 pixel.
constexpr std::array<int, 7> BounceShifts{2, 1, 0, -1, -2, -1, 0};
constexpr int LastBounceStep = 1 + static_cast<int>(BounceShifts.size());

} // namespace

bool TSlotMachine::SpinIfBetAccepted() {
    const int32_t bet = Session.Bet();
    const char* refusal = nullptr;
    if (bet <= 0)
        refusal = ZORVA_TEXT("TSlotMachine", "You must place a bet first.");
    else if (Session.Credits < bet) // this refusal has always ended in a comma
        refusal = ZORVA_TEXT("TSlotMachine", "You do not have enough credits for that bet,");
    if (refusal) {
        Dialogs.ShowInformation(refusal);
        Session.AutoSpin = false;
        View.DrawOptionCaptions();
        return false;
    }
    Spin();
    return true;
}

void TSlotMachine::RequestSpin() {
    do {
        if (!SpinIfBetAccepted())
            return;
    } while (Session.AutoSpin);
}

void TSlotMachine::Spin() {
    const bool paid = !FreeSpinMode;
    PrepareSpin();
    DrawStops();
    StopRequested = false;
    if (!FreeSpinMode)
        Session.Spins = SaturatingAdd(Session.Spins, 1);

    if (View.Animates() && !Closing) {
        AnimateWheels();
        if (StopRequested)
            QuickStop();
    } else {
        for (int w = 0; w < WheelCount; ++w) {
            View.ClearWheel(w);
            View.DrawWheel(w);
        }
    }

    if (FreeSpinMode)
        EvaluateFreeSpin();
    else
        EvaluateSpin();
    Session.Spinning = false;

    if (SymbolAt(4) == Mystery)
        StartMysteryBonus();
    // Free spins run one after another from the paid spin that won them.
    if (paid)
        PlayFreeSpins();
    EnableTimer(TimerId::Timer5, false);
    if (paid) {
        Session.CreditHistory.AddSpin(Session.Credits);
        Notices.SpinSettled();
    }
}

// Everything a spin does before its wheels are drawn: flags, timers, the debit.
void TSlotMachine::PrepareSpin() {
    Randomize();
    Session.Spinning = true;
    EnableTimer(TimerId::Timer4, false);
    EnableTimer(TimerId::Timer1, false);
    EnableTimer(TimerId::Timer2, false);
    if (FlashLine >= 0)
        ShowLine(FlashLine, false);
    if (WinningsTextShown)
        View.ClearWinningsText();
    StopBlinkPhase = false;
    BlinkStop();
    for (int box = 0; box < MysteryBoxCount; ++box) {
        MysteryLit[box] = false;
        View.DrawMysteryBox(box);
    }
    if (RestoreStrips) {
        BuildStrips(Strips);
        Stops = SavedStops;
        RestoreStrips = false;
        View.RepaintAll();
    }
    if (FreeSpinMode) {
        EnableTimer(TimerId::Timer5, true);
    } else {
        const int32_t bet = Session.Bet();
        Session.Credits = SaturatingAdd(Session.Credits, -bet);
        Session.TotalBets = SaturatingAdd(Session.TotalBets, bet);
    }
    View.DrawMeter(TMeter::Credits);
    View.DrawWinnings(false);
}

// The outcome is fixed here, before anything moves; the animation only shows it.
void TSlotMachine::DrawStops() {
    for (int w = 0; w < WheelCount; ++w) {
        Motion[w].BlurOffset = Rng.Random(MotionStripHeight);
        Stops[w] = Rng.Random(StripLength);
        Motion[w].Done = false;
    }
    Session.LineWins.fill(0);
    Session.SpinWinnings = 0;
}

void TSlotMachine::AnimateWheels() {
    int tick = 0;
    uint32_t lastTick = Clock.TickCount();
    while (tick < LastTick && !StopRequested) {
        if (Clock.TickCount() - lastTick >= TickLength) {
            lastTick = Clock.TickCount();
            ++tick;
            for (int w = 0; w < WheelCount && !StopRequested; ++w)
                AnimateWheel(w, tick - 9 * w);
        }
        if (StopRequested)
            break;
        Clock.HandleEvents(lastTick + TickLength);
    }
}

// Wheel w blurs until its phase reaches 20, then stops and bounces.
void TSlotMachine::AnimateWheel(int wheel, int phase) {
    auto& motion = Motion[wheel];
    if (phase <= LastBlurPhase) {
        View.DrawBlur(wheel, motion.BlurOffset);
        motion.BlurOffset -= BlurStep;
        if (motion.BlurOffset < 0)
            motion.BlurOffset += MotionStripHeight;
    } else if (const int step = phase - LastBlurPhase - 1; step <= LastBounceStep) {
        StopAndBounce(wheel, step);
    }
}

// Step 0 shows the wheel's symbol with a click, step 1 drops it a pixel and the steps after bounce
// it to rest; the animation and the quick stop both take a wheel through them.
void TSlotMachine::StopAndBounce(int wheel, int step) {
    if (step == 0) {
        PlaySound(SoundId::Click);
        View.ClearWheel(wheel);
        View.DrawWheel(wheel);
    } else if (step == 1) {
        View.CaptureBounce(wheel);
        View.DrawBounce(wheel, 1);
    } else {
        View.DrawBounce(wheel, BounceShifts[step - 2]);
        if (step == LastBounceStep)
            Motion[wheel].Done = true;
    }
}

// Every wheel not yet at rest stops and bounces at once, a step every 20 ms.
void TSlotMachine::QuickStop() {
    for (int step = 0; step <= LastBounceStep; ++step) {
        for (int w = 0; w < WheelCount; ++w)
            if (!Motion[w].Done)
                StopAndBounce(w, step);
        Pause(0.02);
    }
}

void TSlotMachine::PlayFreeSpins() {
    if (Session.FreeSpinsLeft > 0)
        Notices.Announce(TAnnouncement::FreeSpinsStarted);
    while (Session.FreeSpinsLeft > 0) {
        Session.FreeSpinsLeft = SaturatingAdd(Session.FreeSpinsLeft, -1);
        Session.NumberOfBonusRolls = SaturatingAdd(Session.NumberOfBonusRolls, 1);
        if (!FreeSpinMode)
            BuildFreeSpinStrips(Strips, Stops, SavedStops);
        FreeSpinMode = true;
        Spin();
        if (Session.FreeSpinsLeft == 0) {
            FreeSpinMode = false;
            RestoreStrips = true;
            Notices.Announce(TAnnouncement::FreeSpinsEnded);
        }
    }
}

void TSlotMachine::PressStop() {
    if (TimerEnabled(TimerId::Timer1)) {
        PlaySound(SoundId::Click);
        AwardMystery(MysteryPick);
        Notices.PrizeSettled();
    }
    EnableTimer(TimerId::Timer1, false);
    EnableTimer(TimerId::Timer2, false);
    StopBlinkPhase = false;
    BlinkStop();
    StopRequested = true;
}

void TSlotMachine::BlinkStop() {
    View.DrawStopButton(StopBlinkPhase);
    StopBlinkPhase = !StopBlinkPhase;
}

} // namespace zorva

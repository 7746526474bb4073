// What the machine's window tells a screen reader as it happens: changed meters, the winnings, the
// Mystery Bonus, and the status line's announcements.
#include "mainwindow/accessible_machine.h"

namespace zorva {

namespace {

constexpr qsizetype HeardLength = 20;

} // namespace

void TMachineAccessibility::MeterChanged(TMeter meter) {
    TRegionAccessible* region = Meters[static_cast<int>(meter)];
    if (region == nullptr)
        return;
    // A meter is redrawn whenever the machine touches it, often with the same figure.
    QString text = region->text(QAccessible::Name);
    if (MetersHeard.value(region) == text)
        return;
    // The bet's own figures are spoken when they change: the player changed them, and may not have
    // the adjuster in focus (the keys L, K, C and X change them from anywhere).
    const bool betFigure = meter == TMeter::LinesPlayed || meter == TMeter::CoinsPerLine;
    if (betFigure && MetersHeard.contains(region))
        Board.Say(text);
    MetersHeard.insert(region, std::move(text));
    SendNameChanged(region);
    QAccessibleValueChangeEvent event(region, region->currentValue());
    QAccessible::updateAccessibility(&event);
}

void TMachineAccessibility::WinningsDrawn(bool show) {
    const int32_t shown = show ? Session.SpinWinnings : 0;
    if (shown == ShownWinnings || Winnings == nullptr)
        return;
    ShownWinnings = shown;
    SendNameChanged(Winnings);
}

void TMachineAccessibility::MysteryBoxDrawn(int box) {
    Revealed[box] = false;
    if (ChosenBox == box)
        ChosenBox = -1;
    SayMysteryIfChanged();
}

void TMachineAccessibility::MysteryPrizeDrawn(int box, bool chosen) {
    Revealed[box] = true;
    if (chosen)
        ChosenBox = box;
    SayMysteryIfChanged();
}

// The boxes are redrawn one by one, eight times a spin and twice a step of the chaser; the
// screen reader hears only what has changed.
void TMachineAccessibility::SayMysteryIfChanged() {
    if (Mystery == nullptr)
        return;
    QString text = MysteryText();
    if (text == MysteryHeard)
        return;
    MysteryHeard = std::move(text);
    SendNameChanged(Mystery);
}

void TMachineAccessibility::Announce(TAnnouncement what) {
    if (what == TAnnouncement::SpinOutcome)
        SettledSpin = SpinNumber();
    if (what == TAnnouncement::FreeSpinsStarted)
        CreditsAtFreeSpins = Session.Credits;
    const QString text = AnnouncementText(what);
    if (Status == nullptr)
        return;
    Board.Say(text);
    if (what == TAnnouncement::SpinOutcome)
        SendNameChanged(Wheels);
    AddToStatusLine(text);
}

// The status line keeps the last announcements, so that a player can read again what was said.
void TMachineAccessibility::AddToStatusLine(const QString& text) {
    Announcement = text;
    if (Log.size() == HeardLength) {
        SendTextRemoved(Status, 0, Log.front() + QLatin1Char('\n'));
        Log.removeFirst();
    }
    const int end = static_cast<int>(Log.join(QLatin1Char('\n')).size());
    Log << Announcement;
    SendNameChanged(Status);
    SendTextInserted(Status, end, Log.size() == 1 ? Announcement : QLatin1Char('\n') + Announcement);
}

void TMachineAccessibility::BetRefused(TBetChange change) {
    Board.Say(RefusalText(change));
}

// After a count-off the credits were just said; a spin without one, or a prize paid at once,
// says them here.
void TMachineAccessibility::Settled() {
    if (Machine.TimerEnabled(TimerId::Timer1))
        return; // the chaser waits for Stop; its prize says the credits
    const QString credits = CreditsText();
    if (Board.LastSaid().endsWith(credits))
        return;
    // After a double-or-nothing game the status line reads the credits it left, not the winnings
    // risked in it.
    if (Status != nullptr)
        AddToStatusLine(credits);
    // Closing a double-or-nothing game pays it out before this window is active again: the
    // credits follow what that game had to say.
    if (Window.isActiveWindow())
        Board.Say(credits);
    else
        SayWhenActive(Window, credits);
}

} // namespace zorva

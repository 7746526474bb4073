#include "mainwindow/accessible_machine.h"

#include <QCoreApplication>
#include <QHash>

#include "mainwindow/focus_mark.h"
#include "mainwindow/image_control.h"
#include "mainwindow/options_bar.h"

namespace zorva {

namespace {

QHash<const QObject*, TMachineAccessibility*>& Machines() {
    static QHash<const QObject*, TMachineAccessibility*> machines;
    return machines;
}

// The option buttons that toggle a setting, and the setting each one shows.
struct TToggle {
    int Tag;
    bool TGameSession::*Setting;
};
constexpr std::array<TToggle, 4> Toggles{{{option::PayMode, &TGameSession::PayMode},
                                          {option::AutoSpin, &TGameSession::AutoSpin},
                                          {option::Sound, &TGameSession::Sound},
                                          {option::Double, &TGameSession::Double}}};

} // namespace

TMachineAccessibility::TMachineAccessibility(QWidget& window, const TSlotMachine& machine)
    : Window(window), Machine(machine), Session(machine.Session), Board(window) {
    InstallMachineAccessibility();
    Machines().insert(&window, this);
    Announcement = QCoreApplication::translate(
        "Accessibility", "Zorva Slots. Enter spins, Space stops, Tab moves to the other controls.");
    Log << Announcement;
}

TMachineAccessibility::~TMachineAccessibility() {
    Machines().remove(&Window);
}

TMachineAccessibility* TMachineAccessibility::Of(const QObject* window) {
    return Machines().value(window, nullptr);
}

void TMachineAccessibility::Attach(TMachineParts parts) {
    Parts = std::move(parts);
    Mark = new TFocusMark(&Window);
    BuildChildren();
    Window.installEventFilter(this);
}

void TMachineAccessibility::MetersShown() {
    for (const TRegionAccessible* meter : Meters)
        if (meter != nullptr)
            MetersHeard.insert(meter, meter->text(QAccessible::Name));
    for (const TToggle& toggle : Toggles)
        TogglesHeard.insert(toggle.Tag, Session.*toggle.Setting);
}

// The button in focus tells its own state, as a check box does; a setting switched from elsewhere
// (a mouse click, a refused spin ending auto spin) is said with its button's name.
void TMachineAccessibility::OptionsDrawn() {
    if (Parts.Options == nullptr)
        return;
    for (const TToggle& toggle : Toggles) {
        const bool on = Session.*toggle.Setting;
        if (!TogglesHeard.contains(toggle.Tag) || TogglesHeard.value(toggle.Tag) == on)
            continue;
        TogglesHeard.insert(toggle.Tag, on);
        TImageControl* button = Parts.Options->OptionButtons[toggle.Tag];
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(button, changed);
        QAccessible::updateAccessibility(&event);
        if (!HasFocusRing(button))
            Board.Say((on ? QCoreApplication::translate("Accessibility", "%1: on.")
                          : QCoreApplication::translate("Accessibility", "%1: off."))
                          .arg(TOptionsBar::Caption(toggle.Tag)));
    }
}

std::function<bool()> TMachineAccessibility::CheckedStateOf(const QWidget* control) const {
    if (Parts.Options == nullptr)
        return nullptr;
    for (const TToggle& toggle : Toggles)
        if (Parts.Options->OptionButtons[toggle.Tag] == control)
            return [this, setting = toggle.Setting] { return Session.*setting; };
    return nullptr;
}

bool TMachineAccessibility::IsOption(const QWidget* control, int tag) const {
    return Parts.Options != nullptr && control != nullptr && Parts.Options->OptionButtons[tag] == control;
}

int64_t TMachineAccessibility::SpinNumber() const {
    return int64_t(Session.Spins) + Session.NumberOfBonusRolls;
}

} // namespace zorva

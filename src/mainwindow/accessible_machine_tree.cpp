// The machine's window read as a tree: its painted regions and its option buttons, in reading order.
#include "mainwindow/accessible_machine.h"

#include <QCoreApplication>

#include "mainwindow/image_control.h"
#include "mainwindow/input.h"
#include "mainwindow/options_bar.h"
#include "mainwindow/panel.h"
#include "mainwindow/qt_rect.h"

namespace zorva {

namespace {

struct TAdjusterText {
    TBetChange Change;
    const char* Name;
    const char* Description;
    const char* Key;
};
constexpr TAdjusterText AdjusterTexts[] = {
    {TBetChange::LinesUp, QT_TRANSLATE_NOOP("Accessibility", "Lines plus"),
     QT_TRANSLATE_NOOP("Accessibility", "Play one more line"), "L"},
    {TBetChange::LinesDown, QT_TRANSLATE_NOOP("Accessibility", "Lines minus"),
     QT_TRANSLATE_NOOP("Accessibility", "Play one line fewer"), "K"},
    {TBetChange::CoinsUp, QT_TRANSLATE_NOOP("Accessibility", "Coins plus"),
     QT_TRANSLATE_NOOP("Accessibility", "Bet one more coin on each line"), "C"},
    {TBetChange::CoinsDown, QT_TRANSLATE_NOOP("Accessibility", "Coins minus"),
     QT_TRANSLATE_NOOP("Accessibility", "Bet one coin fewer on each line"), "X"},
};

// The option buttons row by row as they stand, two columns of seven filled from the bottom up.
constexpr std::array<int, OptionButtonCount> OptionReadingOrder{
    option::AutoSpin, option::Stats,    option::Summary, option::LoadGame, option::NewGame,
    option::SaveGame, option::Borrow,   option::Double,  option::PayChart, option::WebSite,
    option::PayMode,  option::Sound,    option::Help,    option::Exit};

} // namespace

TRegionAccessible* TMachineAccessibility::AddRegion(TRegion region, bool takesFocus) {
    const int index = static_cast<int>(Children.size());
    if (takesFocus)
        region.Focused = [this, index] { return Focus == index; };
    TRegionAccessible* iface = Regions.Add(&Window, std::move(region));
    Children.push_back({iface, nullptr, takesFocus});
    return iface;
}

void TMachineAccessibility::AddWidget(QWidget* widget) {
    Children.push_back({nullptr, widget, true});
}

TRegion TMachineAccessibility::Button(const QString& name, const QString& description, const TRect& place,
                                      const QString& key) {
    TRegion r;
    r.Role = QAccessible::Button;
    r.Name = [name] { return name; };
    r.Description = [description] { return description; };
    r.Place = [place] { return ToQRect(place); };
    r.Press = [this, place] { Parts.Click((place.Left + place.Right) / 2, (place.Top + place.Bottom) / 2); };
    r.Keys = {key};
    return r;
}

// A meter's label with its number underneath, as painted.
QRect TMachineAccessibility::LabelBox(const char* label) const {
    for (const TPanel::TLabelPlace& place : Parts.Panel->LabelPlaces())
        if (place.Text == QLatin1String(label))
            return place.Box.united(place.Box.translated(0, place.Box.height()));
    return {};
}

double TMachineAccessibility::MeterValue(TMeter meter) const {
    switch (meter) {
    case TMeter::Credits:
        return double(Session.Credits);
    case TMeter::BonusPool:
    case TMeter::GlobeRow:
        return double(Session.BonusPool);
    case TMeter::DollarRow:
        return double(std::max(Session.Dollars, 0));
    case TMeter::LinesPlayed:
        return double(Session.LinesPlayed);
    case TMeter::CoinsPerLine:
        return double(Session.CoinsPerLine);
    case TMeter::CoinsPlayed:
        break;
    }
    return double(Session.Bet());
}

void TMachineAccessibility::AddMeter(TMeter meter, const char* label) {
    TRegion r;
    r.Name = [this, meter] { return MeterText(meter); };
    r.Place = [this, label] { return LabelBox(label); };
    r.Value = [this, meter] { return MeterValue(meter); };
    Meters[static_cast<int>(meter)] = AddRegion(std::move(r));
}

// In reading order: the meters on the left, the machine, the bet on the right, the option
// buttons, Spin and Stop, the logo, and the status line that speaks what happens.
void TMachineAccessibility::BuildChildren() {
    AddMeter(TMeter::Credits, "Credits:");
    AddMeter(TMeter::BonusPool, "Bonus Pool:");
    Meters[static_cast<int>(TMeter::GlobeRow)] = Meters[static_cast<int>(TMeter::BonusPool)];
    AddMeter(TMeter::DollarRow, "Win 3 FREE Spins:");
    AddMachineRegions();
    AddBetControls();
    for (int tag : OptionReadingOrder)
        AddWidget(Parts.Options->OptionButtons[tag]);
    AddSpinAndStop();
    AddWidget(Parts.Logo);
    AddStatusLine();
}

void TMachineAccessibility::AddMachineRegions() {
    TRegion freeSpins;
    freeSpins.Name = [this] {
        return QCoreApplication::translate("Accessibility", "Free spins left: %1").arg(Session.FreeSpinsLeft);
    };
    freeSpins.Place = [this] { return LabelBox("Win 3 FREE Spins:"); };
    freeSpins.Shown = [this] { return Machine.FreeSpinMode; };
    freeSpins.Value = [this] { return double(Session.FreeSpinsLeft); };
    FreeSpins = AddRegion(std::move(freeSpins));

    TRegion winnings;
    winnings.Name = [this] {
        return QCoreApplication::translate("Accessibility", "Winnings: %1").arg(ShownWinnings);
    };
    winnings.Place = [this] { return Parts.Panel->WinningsArea(); };
    winnings.Shown = [this] { return ShownWinnings != 0; };
    winnings.Value = [this] { return double(ShownWinnings); };
    Winnings = AddRegion(std::move(winnings));

    TRegion wheels;
    wheels.Role = QAccessible::Grouping;
    wheels.Name = [this] { return WheelsText(); };
    wheels.Place = [this] {
        QRect all;
        for (int w = 0; w < WheelCount; ++w)
            all = all.united(ToQRect(WheelWindow(Parts.Layout->Geometry, w)));
        return all;
    };
    Wheels = AddRegion(std::move(wheels));

    TRegion mystery;
    mystery.Role = QAccessible::Grouping;
    mystery.Name = [this] { return MysteryText(); };
    mystery.Place = [this] {
        const TWindowLayout& layout = *Parts.Layout;
        return QRect(layout.MachineLeft, layout.MachineTop + layout.Machine.Height, layout.Machine.Width,
                     Parts.MysteryBoxHeight);
    };
    Mystery = AddRegion(std::move(mystery));
}

// Each adjuster stands after its meter and is enabled exactly when pressing it would change the bet.
void TMachineAccessibility::AddBetControls() {
    for (const TAdjusterText& adjuster : AdjusterTexts) {
        if (adjuster.Change == TBetChange::LinesUp)
            AddMeter(TMeter::LinesPlayed, "Lines Played:");
        if (adjuster.Change == TBetChange::CoinsUp)
            AddMeter(TMeter::CoinsPerLine, "Coins/Line:");
        TRegion button = Button(QCoreApplication::translate("Accessibility", adjuster.Name),
                                QCoreApplication::translate("Accessibility", adjuster.Description),
                                AdjusterRect(*Parts.Layout, adjuster.Change), QLatin1String(adjuster.Key));
        button.Enabled = [this, change = adjuster.Change] { return Machine.BetChangeAllowed(change); };
        AddRegion(std::move(button), true);
    }
    AddMeter(TMeter::CoinsPlayed, "Coins Played:");
}

void TMachineAccessibility::AddSpinAndStop() {
    TRegion spin = Button(QCoreApplication::translate("Accessibility", "Spin"),
                          QCoreApplication::translate("Accessibility", "Spin the wheels"),
                          Parts.Layout->SpinButtonRect, QStringLiteral("Enter"));
    spin.Enabled = [this] { return !Session.Spinning && !Machine.TimerEnabled(TimerId::Timer1); };
    AddRegion(std::move(spin), true);
    TRegion stop = Button(QCoreApplication::translate("Accessibility", "Stop"),
                          QCoreApplication::translate("Accessibility",
                                                      "Stop the wheels, or the Mystery Bonus chaser"),
                          Parts.Layout->StopButtonRect, QStringLiteral("Space"));
    stop.Keys << QStringLiteral("S");
    AddRegion(std::move(stop), true);
}

void TMachineAccessibility::AddStatusLine() {
    TRegion status;
    status.Role = QAccessible::StatusBar;
    status.Name = [this] { return Announcement; };
    status.Text = [this] { return Log.join(QLatin1Char('\n')); };
    status.Description = [] { return QCoreApplication::translate("Accessibility", "What the machine just did"); };
    status.Place = [this] { return Window.rect(); };
    Status = AddRegion(std::move(status));
}

QAccessibleInterface* TMachineAccessibility::Child(int index) const {
    if (index < 0 || index >= ChildCount())
        return nullptr;
    const TChild& c = Children[index];
    return c.Region ? c.Region : QAccessible::queryAccessibleInterface(c.Widget);
}

int TMachineAccessibility::IndexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < ChildCount(); ++i) {
        const TChild& c = Children[i];
        if (c.Region ? c.Region == child : child && child->object() == c.Widget)
            return i;
    }
    return -1;
}

} // namespace zorva

#include "mainwindow/accessible_machine.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QTimer>

#include "mainwindow/focus_mark.h"
#include "mainwindow/image_control.h"
#include "mainwindow/input.h"
#include "mainwindow/options_bar.h"
#include "mainwindow/panel.h"

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

QHash<const QObject*, TMachineAccessibility*>& Machines() {
    static QHash<const QObject*, TMachineAccessibility*> machines;
    return machines;
}

constexpr qsizetype HeardLength = 20;

// The option buttons row by row as they stand, two columns of seven filled from the bottom up.
constexpr std::array<int, OptionButtonCount> OptionReadingOrder{
    option::AutoSpin, option::Stats,    option::Summary, option::LoadGame, option::NewGame,
    option::SaveGame, option::Borrow,   option::Double,  option::PayChart, option::WebSite,
    option::PayMode,  option::Sound,    option::Help,    option::Exit};

// The option buttons that toggle a setting, and the setting each one shows.
struct TToggle {
    int Tag;
    bool TGameSession::*Setting;
};
constexpr std::array<TToggle, 4> Toggles{{{option::PayMode, &TGameSession::PayMode},
                                          {option::AutoSpin, &TGameSession::AutoSpin},
                                          {option::Sound, &TGameSession::Sound},
                                          {option::Double, &TGameSession::Double}}};

QRect ToQRect(const TRect& r) {
    return {r.Left, r.Top, r.Width(), r.Height()};
}

// The main window: its children are the painted regions and the option buttons, in reading order.
class TMachineWindowAccessible : public QAccessibleWidget {
  public:
    explicit TMachineWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override {
        const TMachineAccessibility* m = TMachineAccessibility::Of(object());
        return m ? m->ChildCount() : QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int index) const override {
        const TMachineAccessibility* m = TMachineAccessibility::Of(object());
        return m ? m->Child(index) : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const TMachineAccessibility* m = TMachineAccessibility::Of(object());
        return m ? m->IndexOfChild(child) : QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* focusChild() const override {
        const TMachineAccessibility* m = TMachineAccessibility::Of(object());
        return m ? m->FocusChild() : QAccessibleWidget::focusChild();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && !c->state().invisible && c->rect().contains(x, y))
                return c;
        return nullptr;
    }
};

// A picture that answers a click, the logo or an option button: a push button to the screen
// reader, a toggle where it switches a setting.
class TImageControlAccessible : public QAccessibleWidget {
  public:
    explicit TImageControlAccessible(TImageControl* control) : QAccessibleWidget(control, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        const TMachineAccessibility* m = Machine();
        s.focused = m && m->HasFocusRing(widget());
        if (const std::function<bool()> checked = m ? m->CheckedStateOf(widget()) : nullptr) {
            s.checkable = true;
            s.checked = checked();
        }
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction())
            return;
        QPointer<TImageControl> control = static_cast<TImageControl*>(widget());
        QTimer::singleShot(0, control.data(), [control] {
            if (control && control->Clicked)
                control->Clicked(control->Tag);
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    const TMachineAccessibility* Machine() const { return TMachineAccessibility::Of(widget()->parentWidget()); }
};

QAccessibleInterface* MachineFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (Machines().contains(object))
        return new TMachineWindowAccessible(static_cast<QWidget*>(object));
    if (auto* control = dynamic_cast<TImageControl*>(object))
        return new TImageControlAccessible(control);
    return nullptr;
}

} // namespace

void InstallMachineAccessibility() {
    QAccessible::installFactory(MachineFactory);
}

TMachineAccessibility::TMachineAccessibility(QWidget& window, const TSlotMachine& machine)
    : Window(window), Machine(machine), Session(machine.Session) {
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

void TMachineAccessibility::BuildChildren() {
    const TWindowLayout& layout = *Parts.Layout;
    const auto meter = [this](TMeter m, const char* label) {
        TRegion r;
        r.Name = [this, m] { return MeterText(m); };
        r.Place = [this, label] { return LabelBox(label); };
        r.Value = [this, m] {
            switch (m) {
            case TMeter::Credits:
                return double(Session.Credits);
            case TMeter::BonusPool:
                return double(Session.BonusPool);
            case TMeter::DollarRow:
                return double(std::max(Session.Dollars, 0));
            case TMeter::LinesPlayed:
                return double(Session.LinesPlayed);
            case TMeter::CoinsPerLine:
                return double(Session.CoinsPerLine);
            default:
                return double(Session.Bet());
            }
        };
        Meters[static_cast<int>(m)] = AddRegion(std::move(r));
    };
    meter(TMeter::Credits, "Credits:");
    meter(TMeter::BonusPool, "Bonus Pool:");
    Meters[static_cast<int>(TMeter::GlobeRow)] = Meters[static_cast<int>(TMeter::BonusPool)];
    meter(TMeter::DollarRow, "Win 3 FREE Spins:");

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
    mystery.Place = [this, &layout] {
        return QRect(layout.MachineLeft, layout.MachineTop + layout.Machine.Height, layout.Machine.Width,
                     Parts.MysteryBoxHeight);
    };
    Mystery = AddRegion(std::move(mystery));

    // Each adjuster stands after its meter and is enabled exactly when pressing it would change the bet.
    for (const TAdjusterText& adjuster : AdjusterTexts) {
        if (adjuster.Change == TBetChange::LinesUp)
            meter(TMeter::LinesPlayed, "Lines Played:");
        if (adjuster.Change == TBetChange::CoinsUp)
            meter(TMeter::CoinsPerLine, "Coins/Line:");
        TRegion button = Button(QCoreApplication::translate("Accessibility", adjuster.Name),
                                QCoreApplication::translate("Accessibility", adjuster.Description),
                                AdjusterRect(layout, adjuster.Change), QLatin1String(adjuster.Key));
        button.Enabled = [this, change = adjuster.Change] { return Machine.BetChangeAllowed(change); };
        AddRegion(std::move(button), true);
    }
    meter(TMeter::CoinsPlayed, "Coins Played:");

    for (int tag : OptionReadingOrder)
        AddWidget(Parts.Options->OptionButtons[tag]);

    TRegion spin = Button(QCoreApplication::translate("Accessibility", "Spin"),
                          QCoreApplication::translate("Accessibility", "Spin the wheels"), layout.SpinButtonRect,
                          QStringLiteral("Enter"));
    spin.Enabled = [this] { return !Session.Spinning && !Machine.TimerEnabled(TimerId::Timer1); };
    AddRegion(std::move(spin), true);
    TRegion stop = Button(QCoreApplication::translate("Accessibility", "Stop"),
                          QCoreApplication::translate("Accessibility",
                                                      "Stop the wheels, or the Mystery Bonus chaser"),
                          layout.StopButtonRect, QStringLiteral("Space"));
    stop.Keys << QStringLiteral("S");
    AddRegion(std::move(stop), true);
    AddWidget(Parts.Logo);

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

QAccessibleInterface* TMachineAccessibility::FocusChild() const {
    return Focus >= 0 ? Child(Focus) : nullptr;
}

bool TMachineAccessibility::HasFocusRing(const QWidget* control) const {
    return Focus >= 0 && Children[Focus].Widget == control;
}

std::function<bool()> TMachineAccessibility::CheckedStateOf(const QWidget* control) const {
    if (Parts.Options == nullptr)
        return nullptr;
    for (const TToggle& toggle : Toggles)
        if (Parts.Options->OptionButtons[toggle.Tag] == control)
            return [this, setting = toggle.Setting] { return Session.*setting; };
    return nullptr;
}

int64_t TMachineAccessibility::SpinNumber() const {
    return int64_t(Session.Spins) + Session.NumberOfBonusRolls;
}

bool TMachineAccessibility::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &Window || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
        MoveFocus(key->modifiers() & Qt::ShiftModifier ? -1 : 1);
        return true;
    case Qt::Key_Backtab:
        MoveFocus(-1);
        return true;
    case Qt::Key_Escape:
        SetFocus(-1);
        return true;
    case Qt::Key_Space:
        // Until the player moves the focus, Space is the machine's Stop key.
        if (Focus < 0)
            return false;
        PressFocused();
        return true;
    case Qt::Key_S:
        Parts.Key(Qt::Key_Space);
        return true;
    default:
        return false;
    }
}

void TMachineAccessibility::MoveFocus(int step) {
    const int count = ChildCount();
    int index = Focus;
    for (int tries = 0; tries < count; ++tries) {
        index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
        if (Children[index].TakesFocus) {
            SetFocus(index);
            return;
        }
    }
}

void TMachineAccessibility::SetFocus(int index) {
    Focus = index;
    if (index < 0) {
        Mark->Surround({});
        QAccessibleEvent event(&Window, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
        return;
    }
    Mark->Surround(PlaceOf(index), TFocusMark::RoomAround(PlaceOf(index), FocusablePlaces()));
    const TChild& c = Children[index];
    if (c.Region) {
        QAccessibleEvent event(c.Region, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleEvent event(c.Widget, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

QRect TMachineAccessibility::PlaceOf(int index) const {
    const TChild& c = Children[index];
    return c.Region ? c.Region->Region.Place() : c.Widget->geometry();
}

std::vector<QRect> TMachineAccessibility::FocusablePlaces() const {
    std::vector<QRect> places;
    for (int i = 0; i < ChildCount(); ++i)
        if (Children[i].TakesFocus)
            places.push_back(PlaceOf(i));
    return places;
}

void TMachineAccessibility::PressFocused() {
    const TChild& c = Children[Focus];
    if (c.Region) {
        c.Region->Region.Press();
        return;
    }
    auto* control = static_cast<TImageControl*>(c.Widget);
    if (control->Clicked)
        control->Clicked(control->Tag);
}

void TMachineAccessibility::MeterChanged(TMeter meter) {
    TRegionAccessible* region = Meters[static_cast<int>(meter)];
    if (region == nullptr)
        return;
    // A meter is redrawn whenever the machine touches it, often with the same figure.
    QString text = region->text(QAccessible::Name);
    if (MetersHeard.value(region) == text)
        return;
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
    Announcement = AnnouncementText(what);
    if (Status == nullptr)
        return;
    if (what == TAnnouncement::SpinOutcome)
        SendNameChanged(Wheels);
    if (Log.size() == HeardLength) {
        SendTextRemoved(Status, 0, Log.front() + QLatin1Char('\n'));
        Log.removeFirst();
    }
    const int end = static_cast<int>(Log.join(QLatin1Char('\n')).size());
    Log << Announcement;
    SendNameChanged(Status);
    SendTextInserted(Status, end, Log.size() == 1 ? Announcement : QLatin1Char('\n') + Announcement);
}

} // namespace zorva

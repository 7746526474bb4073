#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "engine/host.h"
#include "engine/machine.h"
#include "mainwindow/accessible_region.h"
#include "mainwindow/layout.h"
#include "platform/spoken_notice.h"

namespace zorva {

class TFocusMark;
class TImageControl;
class TOptionsBar;
class TPanel;

// What the accessible tree needs of the window besides the machine: where things stand, and how
// a click or a key of the design reaches the window, so that pressing a control through the
// screen reader or the keyboard does exactly what the mouse does.
struct TMachineParts {
    const TWindowLayout* Layout = nullptr;
    const TPanel* Panel = nullptr;
    TOptionsBar* Options = nullptr;
    TImageControl* Logo = nullptr;
    int MysteryBoxHeight = 0;
    std::function<void(int x, int y)> Click;
    std::function<void(int qtKey)> Key;
};

// The machine's window for a screen reader and for the keyboard alone. The window is painted on
// one canvas, so its meters, wheels and painted buttons are given to the accessible tree as
// regions; a status line speaks what happens; Tab moves a visible focus ring over the controls.
class TMachineAccessibility : public QObject {
  public:
    // Made before the window creates any control, so every control's interface is ours.
    TMachineAccessibility(QWidget& window, const TSlotMachine& machine);
    ~TMachineAccessibility() override;

    void Attach(TMachineParts parts);

    // The meters as the window first shows them: what the player finds there, not a change to tell.
    void MetersShown();
    // The window tells of every change it draws.
    void MeterChanged(TMeter meter);
    void WinningsDrawn(bool show);
    void MysteryBoxDrawn(int box);
    void MysteryPrizeDrawn(int box, bool chosen);
    void Announce(TAnnouncement what);
    // A refused bet change, said with its reason.
    void BetRefused(TBetChange change);
    // A spin, or a prize after it, has settled: the credits it left.
    void Settled();
    // The option captions were drawn: a setting switched since tells its new state.
    void OptionsDrawn();

    // The last announcements, oldest first: the status line's text, for a player who wants to
    // read again what was said during a long series.
    const QStringList& Heard() const { return Log; }

    // The window's children in reading order, and the one the focus ring is on.
    int ChildCount() const { return static_cast<int>(Children.size()); }
    QAccessibleInterface* Child(int index) const;
    int IndexOfChild(const QAccessibleInterface* child) const;
    QAccessibleInterface* FocusChild() const;
    bool HasFocusRing(const QWidget* control) const;
    // The state of the setting an option button toggles; none for the other buttons.
    std::function<bool()> CheckedStateOf(const QWidget* control) const;
    bool IsOption(const QWidget* control, int tag) const;

    static TMachineAccessibility* Of(const QObject* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct TChild {
        TRegionAccessible* Region = nullptr;
        QWidget* Widget = nullptr;
        bool TakesFocus = false;
    };

    QWidget& Window;
    const TSlotMachine& Machine;
    const TGameSession& Session;
    TMachineParts Parts;
    TRegionSet Regions;
    std::vector<TChild> Children;
    TFocusMark* Mark = nullptr;
    int Focus = -1; // index into Children; -1 while the player has not moved the focus

    QString Announcement;
    QStringList Log;
    TNoticeBoard Board;          // what is spoken as it happens
    bool Welcomed = false;       // the welcome is spoken once, when the window is first active
    TRegionAccessible* Status = nullptr;
    TRegionAccessible* Wheels = nullptr;
    TRegionAccessible* Mystery = nullptr;
    TRegionAccessible* Winnings = nullptr;
    TRegionAccessible* FreeSpins = nullptr;
    std::array<TRegionAccessible*, 7> Meters{};
    int32_t ShownWinnings = 0;
    std::array<bool, MysteryBoxCount> Revealed{};
    int ChosenBox = -1;
    QString MysteryHeard; // what the Mystery Bonus last told the screen reader
    QHash<const TRegionAccessible*, QString> MetersHeard;
    int64_t SettledSpin = -1;  // the spin whose wheels the tree may read
    int32_t CreditsAtFreeSpins = 0;
    QHash<int, bool> TogglesHeard; // by option tag: the state the screen reader last heard

    void BuildChildren();
    void AddMeter(TMeter meter, const char* label);
    double MeterValue(TMeter meter) const;
    void AddMachineRegions();
    void AddBetControls();
    void AddSpinAndStop();
    void AddStatusLine();
    TRegionAccessible* AddRegion(TRegion region, bool takesFocus = false);
    void AddWidget(QWidget* widget);
    TRegion Button(const QString& name, const QString& description, const TRect& place, const QString& key);
    QRect LabelBox(const char* label) const;
    int64_t SpinNumber() const;

    QRect PlaceOf(int index) const;
    std::vector<QRect> FocusablePlaces() const;
    void MoveFocus(int step);
    void SetFocus(int index);
    void PressFocused();

    QString MeterText(TMeter meter) const;
    QString WheelsText() const;
    QString MysteryText() const;
    void SayMysteryIfChanged();
    void AddToStatusLine(const QString& text);
    QString AnnouncementText(TAnnouncement what);
    QString RefusalText(TBetChange change) const;
    QString CreditsText() const;
};

void InstallMachineAccessibility();

} // namespace zorva

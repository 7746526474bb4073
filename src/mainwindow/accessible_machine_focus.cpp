// The keyboard's focus ring over the machine's controls: Tab, the arrows' absence, Space and Escape.
#include "mainwindow/accessible_machine.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include "mainwindow/focus_mark.h"
#include "mainwindow/image_control.h"

namespace zorva {

namespace {

constexpr int RefocusDelay = 300; // ms

} // namespace

QAccessibleInterface* TMachineAccessibility::FocusChild() const {
    return Focus >= 0 ? Child(Focus) : nullptr;
}

bool TMachineAccessibility::HasFocusRing(const QWidget* control) const {
    return Focus >= 0 && Children[Focus].Widget == control;
}

bool TMachineAccessibility::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Window && event->type() == QEvent::WindowActivate && !Welcomed) {
        // The game's name, its keys and the credits, once the player is in the window to hear them.
        Welcomed = true;
        Board.Say(Log.front() + QLatin1Char(' ') + CreditsText());
    } else if (watched == &Window && event->type() == QEvent::WindowActivate && Focus >= 0) {
        // Back from a dialog, the screen reader names the window, then takes the focus of the
        // window it has made active: the ring's control is told once Orca has done the first.
        QTimer::singleShot(RefocusDelay, this, [this] {
            if (Focus >= 0 && Window.isActiveWindow())
                SetFocus(Focus);
        });
    }
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

} // namespace zorva

// The accessible interfaces of the machine's window and of its picture buttons, and the factory
// that hands them to Qt.
#include "mainwindow/accessible_machine.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>

#include "mainwindow/image_control.h"
#include "mainwindow/options_bar.h"

namespace zorva {

namespace {

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
    QStringList keyBindingsForAction(const QString& actionName) const override {
        const auto* control = static_cast<const TImageControl*>(widget());
        const TMachineAccessibility* m = Machine();
        const bool help = m && m->IsOption(control, option::Help);
        return actionName == pressAction() && help ? KeyBinding({QStringLiteral("F1")}) : QStringList{};
    }
    // A button that switches a setting on and off reads as a check box: Qt has no toggle button
    // for the screen reader, and Orca speaks a push button's checked state neither on focus nor
    // on change.
    QAccessible::Role role() const override {
        const TMachineAccessibility* m = Machine();
        return m && m->CheckedStateOf(widget()) ? QAccessible::CheckBox : QAccessible::Button;
    }

  private:
    const TMachineAccessibility* Machine() const { return TMachineAccessibility::Of(widget()->parentWidget()); }
};

QAccessibleInterface* MachineFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (TMachineAccessibility::Of(object) != nullptr)
        return new TMachineWindowAccessible(static_cast<QWidget*>(object));
    if (auto* control = dynamic_cast<TImageControl*>(object))
        return new TImageControlAccessible(control);
    return nullptr;
}

} // namespace

void InstallMachineAccessibility() {
    QAccessible::installFactory(MachineFactory);
}

} // namespace zorva

#pragma once
#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

namespace zorva {

// One painted part of a window as a screen reader sees it: what it is, what it reads, where it
// stands and what pressing it does. Every field is read when asked, so the tree always tells the
// state of the moment.
struct TRegion {
    QAccessible::Role Role = QAccessible::StaticText;
    std::function<QString()> Name;
    std::function<QString()> Description;  // none when empty
    std::function<QRect()> Place;          // in the window's own coordinates
    std::function<bool()> Enabled;         // none: always
    std::function<bool()> Shown;           // none: always
    std::function<bool()> Checked;         // none: not a toggle
    std::function<bool()> Focused;         // none: never takes the focus
    std::function<void()> Press;           // none: nothing to press
    std::function<double()> Value;         // a meter's number; none for other parts
    std::function<QString()> Text;         // what review reads; none: the name
    QStringList Keys;                      // the keys that do what pressing does
};

// A region as a leaf of the accessible tree. Pressable regions are buttons with a press action;
// the others also offer their name as text, so a screen reader's review reads it.
class TRegionAccessible : public QAccessibleInterface,
                          public QAccessibleActionInterface,
                          public QAccessibleTextInterface,
                          public QAccessibleValueInterface {
  public:
    TRegionAccessible(QWidget* window, TRegion region);

    const TRegion Region;

    // QAccessibleInterface
    bool isValid() const override { return !Window.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return Region.Role; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // QAccessibleTextInterface: the name, read-only, with no caret or selection.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return static_cast<int>(AllText().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override;

    // QAccessibleValueInterface: a meter's number, read-only.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return currentValue(); }
    QVariant minimumValue() const override { return currentValue(); }
    QVariant minimumStepSize() const override { return 1; }

  private:
    QPointer<QWidget> Window;

    QString AllText() const;
};

// The regions of one window. The accessibility cache owns an interface once it is registered;
// these are taken out of it again with the window.
class TRegionSet {
  public:
    TRegionSet() = default;
    TRegionSet(const TRegionSet&) = delete;
    TRegionSet& operator=(const TRegionSet&) = delete;
    ~TRegionSet();

    TRegionAccessible* Add(QWidget* window, TRegion region);
    const std::vector<TRegionAccessible*>& Items() const { return Regions; }

  private:
    std::vector<TRegionAccessible*> Regions;
    std::vector<QAccessible::Id> Ids;
};

// Tells the screen reader that what a region or widget reads has changed.
void SendNameChanged(QAccessibleInterface* iface);
// Text that came and went at the given place of a region's text, so the change itself is spoken.
void SendTextInserted(QAccessibleInterface* iface, int position, const QString& text);
void SendTextRemoved(QAccessibleInterface* iface, int position, const QString& text);

// A control's keys as the screen reader asks for them: mnemonic, full path and accelerator, of
// which Orca speaks the accelerator after the control's name.
QStringList KeyBinding(const QStringList& keys);

} // namespace zorva

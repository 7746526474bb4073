#include "mainwindow/accessible_region.h"

#include <QTimer>
#include <QWindow>
#include <utility>

namespace zorva {

TRegionAccessible::TRegionAccessible(QWidget* window, TRegion region)
    : Region(std::move(region)), Window(window) {}

QWindow* TRegionAccessible::window() const {
    return Window ? Window->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TRegionAccessible::parent() const {
    return Window ? QAccessible::queryAccessibleInterface(Window.data()) : nullptr;
}

QString TRegionAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return Region.Name ? Region.Name() : QString();
    case QAccessible::Description:
        return Region.Description ? Region.Description() : QString();
    case QAccessible::Value:
        return Region.Value ? QString::number(Region.Value()) : QString();
    default:
        return {};
    }
}

QRect TRegionAccessible::rect() const {
    if (!Window || !Region.Place)
        return {};
    const QRect place = Region.Place();
    return {Window->mapToGlobal(place.topLeft()), place.size()};
}

QAccessible::State TRegionAccessible::state() const {
    QAccessible::State s;
    s.invisible = Region.Shown && !Region.Shown();
    s.disabled = Region.Enabled && !Region.Enabled();
    s.focusable = Region.Focused != nullptr;
    s.focused = Region.Focused && Region.Focused();
    s.checkable = Region.Checked != nullptr;
    s.checked = Region.Checked && Region.Checked();
    s.readOnly = !Region.Press;
    return s;
}

void* TRegionAccessible::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
    case QAccessible::ActionInterface:
        return Region.Press ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    case QAccessible::TextInterface:
        return Region.Press ? nullptr : static_cast<QAccessibleTextInterface*>(this);
    case QAccessible::ValueInterface:
        return Region.Value ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    default:
        return nullptr;
    }
}

QStringList TRegionAccessible::actionNames() const {
    return Region.Press ? QStringList{pressAction()} : QStringList{};
}

// Pressing comes back through the event loop, as a click does: a spin runs for seconds and must
// not keep the screen reader's request waiting for its answer.
void TRegionAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() || !Region.Press || !Window || state().disabled)
        return;
    QTimer::singleShot(0, Window.data(), Region.Press);
}

QStringList KeyBinding(const QStringList& keys) {
    if (keys.isEmpty())
        return {};
    return {QString(), QString(), keys.join(QStringLiteral(", "))};
}

QStringList TRegionAccessible::keyBindingsForAction(const QString& actionName) const {
    return actionName == pressAction() ? KeyBinding(Region.Keys) : QStringList{};
}

QString TRegionAccessible::AllText() const {
    return Region.Text ? Region.Text() : text(QAccessible::Name);
}

QString TRegionAccessible::text(int startOffset, int endOffset) const {
    const QString all = AllText();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = static_cast<int>(all.size());
    return all.mid(startOffset, std::max(0, endOffset - startOffset));
}

QString TRegionAccessible::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

QVariant TRegionAccessible::currentValue() const {
    return Region.Value ? QVariant(Region.Value()) : QVariant();
}

TRegionSet::~TRegionSet() {
    for (QAccessible::Id id : Ids)
        QAccessible::deleteAccessibleInterface(id);
}

TRegionAccessible* TRegionSet::Add(QWidget* window, TRegion region) {
    auto* iface = new TRegionAccessible(window, std::move(region));
    Ids.push_back(QAccessible::registerAccessibleInterface(iface));
    Regions.push_back(iface);
    return iface;
}

void SendNameChanged(QAccessibleInterface* iface) {
    QAccessibleEvent event(iface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void SendTextInserted(QAccessibleInterface* iface, int position, const QString& text) {
    QAccessibleTextInsertEvent event(iface, position, text);
    QAccessible::updateAccessibility(&event);
}

void SendTextRemoved(QAccessibleInterface* iface, int position, const QString& text) {
    QAccessibleTextRemoveEvent event(iface, position, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace zorva

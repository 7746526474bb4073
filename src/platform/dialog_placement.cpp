#include "platform/dialog_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <optional>

#ifdef ZORVA_GTK_SHELL
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <cstring>

#include "gtk_shell_client.h"
#endif

namespace zorva {

namespace {

#ifdef ZORVA_GTK_SHELL

// What the compositor offers that the dialogs care about.
struct TCompositorGlobals {
    gtk_shell1* GtkShell = nullptr;
    // Whether it can draw title bars itself (KWin and Sway can; GNOME and Weston leave them to us).
    bool DrawsTitleBars = false;
};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* globals = static_cast<TCompositorGlobals*>(data);
    if (std::strcmp(interface, gtk_shell1_interface.name) == 0)
        globals->GtkShell = static_cast<gtk_shell1*>(wl_registry_bind(registry, name, &gtk_shell1_interface, 1));
    else if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        globals->DrawsTitleBars = true;
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener RegistryListener{OnGlobal, OnGlobalRemove};

wl_display* Display() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

// The compositor's globals, looked up once. The lookup runs on a queue of its own, so that Qt's
// dispatching of the default queue never sees the registry; GNOME's shell then moves to Qt's queue.
const TCompositorGlobals& CompositorGlobals() {
    static const TCompositorGlobals globals = [] {
        TCompositorGlobals found;
        wl_display* display = Display();
        if (display == nullptr)
            return found;
        wl_event_queue* queue = wl_display_create_queue(display);
        auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
        wl_registry* registry = wl_display_get_registry(wrapper);
        wl_registry_add_listener(registry, &RegistryListener, &found);
        wl_display_roundtrip_queue(display, queue);
        wl_registry_destroy(registry);
        wl_proxy_wrapper_destroy(wrapper);
        if (found.GtkShell != nullptr)
            wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(found.GtkShell), nullptr);
        wl_event_queue_destroy(queue);
        return found;
    }();
    return globals;
}

gtk_shell1* GtkShell() {
    return CompositorGlobals().GtkShell;
}

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Watches one window: each Wayland surface it gets is marked modal before its first picture, since
// GNOME places a window when the first picture arrives. Qt makes a new surface each time the window
// is shown again. The mark goes with the window.
class TModalMark : public QObject {
  public:
    explicit TModalMark(QWindow* window) : QObject(window), Window(window) { window->installEventFilter(this); }
    ~TModalMark() override { Forget(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == Window && event->type() == QEvent::Expose)
            Mark();
        return false;
    }

  private:
    void Mark() {
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        auto* surface = static_cast<wl_surface*>(native->nativeResourceForWindow("surface", Window));
        if (surface == nullptr || surface == Surface)
            return;
        Forget();
        Surface = surface;
        GtkSurface = gtk_shell1_get_gtk_surface(GtkShell(), surface);
        gtk_surface1_set_modal(GtkSurface);
    }

    void Forget() {
        if (GtkSurface != nullptr)
            gtk_surface1_destroy(GtkSurface);
        GtkSurface = nullptr;
    }

    QWindow* Window;
    wl_surface* Surface = nullptr;
    gtk_surface1* GtkSurface = nullptr;
};

// The widget's native window exists only once it is about to be shown.
class TShowWatch : public QObject {
  public:
    explicit TShowWatch(QWidget* dialog) : QObject(dialog) { dialog->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QWindow* window = static_cast<QWidget*>(watched)->windowHandle();
            if (window != nullptr && window->findChild<TModalMark*>(QString(), Qt::FindDirectChildrenOnly) == nullptr)
                new TModalMark(window);
        }
        return false;
    }
};

#endif

// What a test chose, in place of asking the compositor.
std::optional<bool> TitleBarsChosen;

// A dialog of fixed size has nothing to gain from filling the screen, but Qt 6.4 draws maximise
// on every title bar it draws itself (GNOME's, Weston's): the press is undone as it comes.
constexpr Qt::WindowStates Filling = Qt::WindowMaximized | Qt::WindowFullScreen;

class TKeepFixedSize : public QObject {
  public:
    explicit TKeepFixedSize(QWidget* dialog) : QObject(dialog) { dialog->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && (dialog->windowState() & Filling) &&
            dialog->minimumSize() == dialog->maximumSize())
            QTimer::singleShot(0, dialog, [dialog] { dialog->setWindowState(dialog->windowState() & ~Filling); });
        return false;
    }
};

} // namespace

void PlaceOverParent(QWidget* dialog) {
    new TKeepFixedSize(dialog);
#ifdef ZORVA_GTK_SHELL
    if (OnWayland() && GtkShell() != nullptr)
        new TShowWatch(dialog);
#endif
}

bool TitleBarsAreOurs() {
    if (TitleBarsChosen)
        return *TitleBarsChosen;
#ifdef ZORVA_GTK_SHELL
    return OnWayland() && Display() != nullptr && !CompositorGlobals().DrawsTitleBars;
#else
    return false;
#endif
}

void ChooseTitleBarsForTesting(std::optional<bool> ours) {
    TitleBarsChosen = ours;
}

QWidget* OwnerForBox() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // A compositor may give the keyboard to no window of ours (a headless one, or the player
    // working elsewhere): the box still belongs to the machine, the first window opened.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->parentWidget() == nullptr && window->windowType() == Qt::Window)
            return window;
    return nullptr;
}

} // namespace zorva

#include "platform/window/WaylandDialogs.h"

#include "platform/window/DialogTitleBar.h"
#include "platform/window/WindowSystem.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef BRAINLOCK_WAYLAND_DIALOGS
#include <QLibrary>
#include <QPlatformSurfaceEvent>
#include <QVariant>
#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client-core.h>
#include <wayland-client-protocol.h>
#endif

namespace platform {

#ifdef BRAINLOCK_WAYLAND_DIALOGS
namespace {

// The Wayland client library, loaded when first needed: only a native Wayland session needs
// it, and there Qt has loaded it already. Linked, it would be mapped into every start on X11
// too, for nothing.
#define BRAINLOCK_WAYLAND_FUNCTIONS(X)                                                             \
    X(wl_display_create_queue)                                                                     \
    X(wl_display_roundtrip_queue)                                                                  \
    X(wl_event_queue_destroy)                                                                      \
    X(wl_proxy_add_listener)                                                                       \
    X(wl_proxy_destroy)                                                                            \
    X(wl_proxy_marshal)                                                                            \
    X(wl_proxy_marshal_constructor)                                                                \
    X(wl_proxy_marshal_constructor_versioned)                                                      \
    X(wl_proxy_set_queue)

struct WaylandClient {
#define BRAINLOCK_WAYLAND_POINTER(name) decltype(&::name) name = nullptr;
    BRAINLOCK_WAYLAND_FUNCTIONS(BRAINLOCK_WAYLAND_POINTER)
#undef BRAINLOCK_WAYLAND_POINTER
    const wl_interface* registryInterface = nullptr;
    const wl_interface* surfaceInterface = nullptr;
};

// Null where the library or one of its functions is missing.
const WaylandClient* waylandClient() {
    static const WaylandClient* const client = []() -> const WaylandClient* {
        static QLibrary library(QStringLiteral("libwayland-client.so.0"));
        if (!library.load()) return nullptr;
        static WaylandClient loaded;
#define BRAINLOCK_WAYLAND_RESOLVE(name)                                                            \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(library.resolve(#name));                 \
    if (!loaded.name) return nullptr;
        BRAINLOCK_WAYLAND_FUNCTIONS(BRAINLOCK_WAYLAND_RESOLVE)
#undef BRAINLOCK_WAYLAND_RESOLVE
        loaded.registryInterface =
            reinterpret_cast<const wl_interface*>(library.resolve("wl_registry_interface"));
        loaded.surfaceInterface =
            reinterpret_cast<const wl_interface*>(library.resolve("wl_surface_interface"));
        if (!loaded.registryInterface || !loaded.surfaceInterface) return nullptr;
        return &loaded;
    }();
    return client;
}

// The two interfaces of GTK's shell protocol (gtk_shell1 and gtk_surface1, version 1) that the
// game speaks, as wayland-scanner would describe them: every request and event of version 1,
// so that the library can read whatever the compositor sends; the game listens to none.
extern const wl_interface gtkSurfaceInterface;

// Its second entry is the library's wl_surface interface, filled in before each request that
// names it (the library is loaded at run time).
const wl_interface* kGetGtkSurfaceTypes[] = {&gtkSurfaceInterface, nullptr};
const wl_interface* const kNoTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* const kBellTypes[] = {&gtkSurfaceInterface};

const wl_message kGtkShellRequests[] = {
    {"get_gtk_surface", "no", kGetGtkSurfaceTypes},
    {"set_startup_id", "?s", const_cast<const wl_interface**>(kNoTypes)},
    {"system_bell", "?o", const_cast<const wl_interface**>(kBellTypes)},
};
const wl_message kGtkShellEvents[] = {
    {"capabilities", "u", const_cast<const wl_interface**>(kNoTypes)},
};
const wl_interface gtkShellInterface = {"gtk_shell1", 1, 3, kGtkShellRequests, 1, kGtkShellEvents};

const wl_message kGtkSurfaceRequests[] = {
    {"set_dbus_properties", "?s?s?s?s?s?s", const_cast<const wl_interface**>(kNoTypes)},
    {"set_modal", "", const_cast<const wl_interface**>(kNoTypes)},
    {"unset_modal", "", const_cast<const wl_interface**>(kNoTypes)},
    {"present", "u", const_cast<const wl_interface**>(kNoTypes)},
};
const wl_message kGtkSurfaceEvents[] = {
    {"configure", "a", const_cast<const wl_interface**>(kNoTypes)},
};
const wl_interface gtkSurfaceInterface = {"gtk_surface1",      1, 4,
                                          kGtkSurfaceRequests, 1, kGtkSurfaceEvents};

constexpr uint32_t kGetGtkSurface = 0;
constexpr uint32_t kSetModal = 1;

// The compositor's gtk_shell1, bound once on a queue of its own, then handed to Qt's queue
// (which drops the events nobody listens to); null where the compositor has none. The
// registry's requests are made as the protocol header's inline functions make them, through
// the loaded library.
wl_proxy* gtkShell(const WaylandClient& wl, wl_display* display) {
    static wl_proxy* shell = [&wl, display]() -> wl_proxy* {
        wl_event_queue* queue = wl.wl_display_create_queue(display);
        auto* registry =
            wl.wl_proxy_marshal_constructor(reinterpret_cast<wl_proxy*>(display),
                                            WL_DISPLAY_GET_REGISTRY, wl.registryInterface, nullptr);
        if (!registry) {
            wl.wl_event_queue_destroy(queue);
            return nullptr;
        }
        wl.wl_proxy_set_queue(registry, queue);
        struct Found {
            const WaylandClient& wl;
            wl_proxy* registry;
            wl_proxy* shell = nullptr;
        } found{wl, registry};
        static const wl_registry_listener listener = {
            [](void* data, wl_registry*, uint32_t name, const char* interface, uint32_t) {
                auto* found = static_cast<Found*>(data);
                if (!found->shell && std::strcmp(interface, gtkShellInterface.name) == 0)
                    found->shell = found->wl.wl_proxy_marshal_constructor_versioned(
                        found->registry, WL_REGISTRY_BIND, &gtkShellInterface, 1, name,
                        gtkShellInterface.name, 1, nullptr);
            },
            [](void*, wl_registry*, uint32_t) {}};
        wl.wl_proxy_add_listener(
            registry,
            reinterpret_cast<void (**)(void)>(const_cast<wl_registry_listener*>(&listener)),
            &found);
        wl.wl_display_roundtrip_queue(display, queue);
        if (found.shell) wl.wl_proxy_set_queue(found.shell, nullptr);
        wl.wl_proxy_destroy(registry);
        wl.wl_event_queue_destroy(queue);
        return found.shell;
    }();
    return shell;
}

// Whether the window's present surface is marked: cleared as the surface goes (a hidden
// window's surface is destroyed, and a window shown again comes with a new one), since the
// allocator may give the new surface the old one's address.
constexpr const char* kMarkedSurface = "brainlockModalSurface";

void forgetMark(QWindow& window) {
    window.setProperty(kMarkedSurface, QVariant());
}

// Marks the window a modal dialog through gtk_shell1, once per surface.
void markModal(QWindow& window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    auto* surface = static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window));
    const auto marked = reinterpret_cast<quintptr>(surface);
    const QVariant mark = window.property(kMarkedSurface);
    if (!surface || (mark.isValid() && mark.value<quintptr>() == marked)) return;
    window.setProperty(kMarkedSurface, QVariant::fromValue(marked));
    const WaylandClient* wl = waylandClient();
    wl_proxy* shell = display && wl ? gtkShell(*wl, display) : nullptr;
    if (!shell) return;
    kGetGtkSurfaceTypes[1] = wl->surfaceInterface;
    wl_proxy* gtkSurface = wl->wl_proxy_marshal_constructor(shell, kGetGtkSurface,
                                                            &gtkSurfaceInterface, nullptr, surface);
    if (!gtkSurface) return;
    wl->wl_proxy_marshal(gtkSurface, kSetModal);
    // The gtk_surface1 lives as long as the connection: version 1 has no request to let it go.
}

bool surfaceGoes(const QEvent& event) {
    return event.type() == QEvent::Hide ||
           (event.type() == QEvent::PlatformSurface &&
            static_cast<const QPlatformSurfaceEvent&>(event).surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed);
}

bool isOwnedDialog(const QWindow* window) {
    return window && window->isTopLevel() && window->transientParent() &&
           window->type() == Qt::Dialog;
}

} // namespace
#endif

namespace {

// Gives each frameless dialog its title bar as it is shown, and marks each dialog modal as it
// first comes on screen: when its toplevel exists and before its first frame, which is when
// the compositor places it.
class DialogMarker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget && widget->isWindow() && widget->windowType() == Qt::Dialog &&
                widget->windowFlags().testFlag(Qt::FramelessWindowHint))
                DialogTitleBar::attach(*widget);
        }
#ifdef BRAINLOCK_WAYLAND_DIALOGS
        else if (event->type() == QEvent::Expose) {
            if (auto* window = qobject_cast<QWindow*>(object); isOwnedDialog(window))
                markModal(*window);
        } else if (surfaceGoes(*event)) {
            if (auto* window = qobject_cast<QWindow*>(object); isOwnedDialog(window))
                forgetMark(*window);
        }
#endif
        return false;
    }
};

} // namespace

void markDialogsModalOnWayland(QGuiApplication& app) {
    if (windowPlacesAreKnown()) return; // not a native Wayland session
    app.installEventFilter(new DialogMarker(&app));
}

} // namespace platform

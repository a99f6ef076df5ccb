#include "platform/window/X11Move.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#ifdef BRAINLOCK_X11_MOVE
#include <xcb/xcb.h>
#endif

namespace platform {

#ifdef BRAINLOCK_X11_MOVE

namespace {

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t name, xcb_atom_t type) {
    return {xcb_get_property_reply(
                connection, xcb_get_property(connection, 0, window, name, type, 0, 4096), nullptr),
            &std::free};
}

// A window manager runs while the window the root names as its check window names itself: a
// manager that has ended leaves its root properties behind.
bool managerRuns(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const auto named = [&](xcb_window_t window) -> xcb_window_t {
        const auto reply = property(connection, window, check, XCB_ATOM_WINDOW);
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
            return XCB_WINDOW_NONE;
        return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    };
    const xcb_window_t window = named(root);
    return window != XCB_WINDOW_NONE && named(window) == window;
}

// Whether the running window manager lists the move-resize message among those it takes.
bool managerMoves(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t moveResize) {
    if (moveResize == XCB_ATOM_NONE || !managerRuns(connection, root)) return false;
    const auto reply =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, moveResize) != atoms + count;
}

} // namespace

X11Move startX11MoveFromPress(QWindow* window, QPoint wayFromPress) {
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb")) return X11Move::NotX11;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return X11Move::NotX11;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, id), nullptr),
        &std::free);
    if (!pointer) return X11Move::Declined;
    const xcb_atom_t moveResize = atom(connection, "_NET_WM_MOVERESIZE");
    if (!managerMoves(connection, pointer->root, moveResize)) return X11Move::Declined;

    // The press in the server's pixels: the pointer now, less its way since the press.
    const qreal ratio = window->devicePixelRatio();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = moveResize;
    message.data.data32[0] =
        static_cast<uint32_t>(pointer->root_x - std::lround(wayFromPress.x() * ratio));
    message.data.data32[1] =
        static_cast<uint32_t>(pointer->root_y - std::lround(wayFromPress.y() * ratio));
    message.data.data32[2] = 8; // _NET_WM_MOVERESIZE_MOVE
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1; // from an application
    // The press gave this program the pointer; the window manager can take it only once it
    // is let go.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, 0, pointer->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return X11Move::Started;
}

#else

X11Move startX11MoveFromPress(QWindow*, QPoint) {
    return X11Move::NotX11;
}

#endif

} // namespace platform

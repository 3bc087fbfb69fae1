// SPDX-License-Identifier: MIT
#include "window_move.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

constexpr uint32_t MoveByMouse = 8; // _NET_WM_MOVERESIZE_MOVE
constexpr uint32_t LeftButton = 1;
constexpr uint32_t FromApplication = 1;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(const_cast<xcb_intern_atom_reply_t*>(reply));
    return found;
}

// X11's move as window managers take it (the extended window manager hints' _NET_WM_MOVERESIZE),
// asked for with the point where the button went down, which Qt's own move cannot give: its point
// is the mouse's last, and the window manager moves the window by the mouse's way from there.
bool startX11Move(QWindow& window, QPoint pressedAt) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const QScreen* screen = window.screen();
    if (!connection || !screen)
        return false;
    const xcb_atom_t moveResize = atom(connection, "_NET_WM_MOVERESIZE");
    if (moveResize == XCB_ATOM_NONE)
        return false;
    const QPoint device = screen->geometry().topLeft() +
                          (pressedAt - screen->geometry().topLeft()) * screen->devicePixelRatio();
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.winId());
    message.type = moveResize;
    message.data.data32[0] = uint32_t(device.x());
    message.data.data32[1] = uint32_t(device.y());
    message.data.data32[2] = MoveByMouse;
    message.data.data32[3] = LeftButton;
    message.data.data32[4] = FromApplication;
    // The window manager takes the mouse only once this program lets go of it.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

} // namespace

bool startWindowMove(QWindow& window, QPoint pressedAt) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return startX11Move(window, pressedAt);
    // Elsewhere the window system moves the window from where the mouse is now.
    return window.startSystemMove();
}

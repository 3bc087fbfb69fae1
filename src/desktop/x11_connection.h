// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <xcb/xcb.h>

// A connection of one's own to the X display that DISPLAY names, with a window on it that is
// never shown and that receives the given events. Closed when destroyed, which destroys the window.
class X11Connection {
public:
    explicit X11Connection(uint32_t events);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // False when the display could not be reached or has gone since.
    bool isOpen() const;
    void close();

    xcb_connection_t* get() const { return c_; }
    xcb_window_t window() const { return window_; }
    xcb_atom_t atom(const QByteArray& name);

private:
    xcb_connection_t* c_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
};

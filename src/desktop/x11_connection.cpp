// SPDX-License-Identifier: MIT
#include "x11_connection.h"

#include <cstdlib>

X11Connection::X11Connection(uint32_t events) {
    int screenNumber = 0;
    c_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c_))
        return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c_));
    for (; screens.rem && screenNumber > 0; --screenNumber)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return;
    window_ = xcb_generate_id(c_);
    xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
}

X11Connection::~X11Connection() {
    close();
}

bool X11Connection::isOpen() const {
    return c_ && window_ != XCB_NONE && !xcb_connection_has_error(c_);
}

void X11Connection::close() {
    if (c_)
        xcb_disconnect(c_);
    c_ = nullptr;
}

xcb_atom_t X11Connection::atom(const QByteArray& name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c_, xcb_intern_atom(c_, 0, uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

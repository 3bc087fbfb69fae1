// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/x11_connection.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <thread>

// Another program holding the X clipboard: a connection, a window and a thread of its own that
// offer one type of data in one manner. The clipboard is taken when it is made and the connection
// closes when it is destroyed, which leaves the clipboard to nobody.
class X11ClipboardOwner {
public:
    enum class Manner {
        Answers,      // in one piece, or in parts when larger than a part
        Silent,       // never answers a request
        Refuses,      // lists the type, then refuses to convert to it
        EndlessParts, // in parts that never end
        DiesMidParts, // closes its connection after the first part
    };
    static constexpr int PartBytes = 1 << 20;

    // Each answer comes lateMs milliseconds after its request.
    X11ClipboardOwner(Manner manner, const QByteArray& type, const QByteArray& bytes,
                      int lateMs = 0);
    ~X11ClipboardOwner();
    X11ClipboardOwner(const X11ClipboardOwner&) = delete;
    X11ClipboardOwner& operator=(const X11ClipboardOwner&) = delete;

    bool ownsClipboard() const { return owns_; }
    // Whether another program has taken the clipboard since.
    bool lost() const { return lost_; }

private:
    void serve();
    void answer(const xcb_selection_request_event_t& request);
    void sendNextPart();

    Manner manner_;
    QByteArray bytes_;
    X11Connection connection_;
    xcb_connection_t* c_;
    xcb_atom_t clipboard_ = XCB_ATOM_NONE, targets_ = XCB_ATOM_NONE, incremental_ = XCB_ATOM_NONE;
    xcb_atom_t type_ = XCB_ATOM_NONE;
    bool owns_ = false;
    // The transfer in parts under way: to which window and property, and how far.
    xcb_window_t partsTo_ = XCB_NONE;
    xcb_atom_t partsProperty_ = XCB_ATOM_NONE;
    qsizetype sent_ = 0;
    int lateMs_;
    std::atomic<bool> lost_{false};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

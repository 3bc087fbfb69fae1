// SPDX-License-Identifier: MIT
#include "x11_clipboard_owner.h"

#include <cstdlib>
#include <cstring>
#include <poll.h>

X11ClipboardOwner::X11ClipboardOwner(Manner manner, const QByteArray& type, const QByteArray& bytes,
                                     int lateMs)
    : manner_(manner), bytes_(bytes), connection_(0), c_(connection_.get()), lateMs_(lateMs) {
    if (!connection_.isOpen())
        return;
    clipboard_ = connection_.atom("CLIPBOARD");
    targets_ = connection_.atom("TARGETS");
    incremental_ = connection_.atom("INCR");
    type_ = connection_.atom(type);
    xcb_set_selection_owner(c_, connection_.window(), clipboard_, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, clipboard_), nullptr);
    owns_ = owner && owner->owner == connection_.window();
    std::free(owner);
    thread_ = std::thread([this] { serve(); });
}

X11ClipboardOwner::~X11ClipboardOwner() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

void X11ClipboardOwner::serve() {
    while (!stop_ && connection_.isOpen()) {
        xcb_generic_event_t* event = xcb_poll_for_event(c_);
        if (!event) {
            pollfd socket{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&socket, 1, 20);
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_REQUEST && manner_ != Manner::Silent) {
            std::this_thread::sleep_for(std::chrono::milliseconds(lateMs_));
            answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
        }
        if (type == XCB_SELECTION_CLEAR)
            lost_ = true;
        if (type == XCB_PROPERTY_NOTIFY) {
            const auto* changed = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (changed->window == partsTo_ && changed->atom == partsProperty_ &&
                changed->state == XCB_PROPERTY_DELETE)
                sendNextPart();
        }
        std::free(event);
        if (manner_ == Manner::DiesMidParts && sent_ > 0) {
            connection_.close();
            return;
        }
        xcb_flush(c_);
    }
}

void X11ClipboardOwner::answer(const xcb_selection_request_event_t& request) {
    xcb_atom_t property = request.property;
    if (request.target == targets_) {
        const xcb_atom_t offered[] = {targets_, type_};
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM,
                            32, 2, offered);
    } else if (request.target != type_ || manner_ == Manner::Refuses) {
        property = XCB_NONE;
    } else if (bytes_.size() <= PartBytes && manner_ == Manner::Answers) {
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property, type_, 8,
                            uint32_t(bytes_.size()), bytes_.constData());
    } else {
        // The requestor's deleting the property asks for each next part.
        const uint32_t events[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
        xcb_change_window_attributes(c_, request.requestor, XCB_CW_EVENT_MASK, events);
        const uint32_t size = uint32_t(bytes_.size());
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property, incremental_,
                            32, 1, &size);
        partsTo_ = request.requestor;
        partsProperty_ = property;
        sent_ = 0;
    }
    // Events are sent as 32 bytes, longer than the structure of this one.
    char notify[32] = {};
    xcb_selection_notify_event_t event{};
    event.response_type = XCB_SELECTION_NOTIFY;
    event.time = request.time;
    event.requestor = request.requestor;
    event.selection = request.selection;
    event.target = request.target;
    event.property = property;
    std::memcpy(notify, &event, sizeof event);
    xcb_send_event(c_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, notify);
}

void X11ClipboardOwner::sendNextPart() {
    if (manner_ == Manner::EndlessParts && sent_ >= bytes_.size())
        sent_ = 0;
    const QByteArray part = bytes_.mid(sent_, PartBytes);
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, partsTo_, partsProperty_, type_, 8,
                        uint32_t(part.size()), part.constData());
    sent_ += part.size();
    if (part.isEmpty())
        partsTo_ = XCB_NONE;
}

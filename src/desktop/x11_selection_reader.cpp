// SPDX-License-Identifier: MIT
#include "x11_selection_reader.h"

#include "x11_connection.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

struct FreeMemory {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Owned = std::unique_ptr<T, FreeMemory>;

// The list of types an owner offers is a few dozen names; a longer one is not worth reading.
constexpr qint64 TypeListLimitBytes = 1 << 20;

// What one request to the owner brought.
struct Answer {
    ClipboardRead read = ClipboardRead::Empty;
    xcb_atom_t type = XCB_ATOM_NONE;
    QByteArray bytes;
};

Answer failed(ClipboardRead read) {
    return {read, XCB_ATOM_NONE, {}};
}

// How often a wait for an answer looks whether the clipboard has changed hands.
constexpr int QuietMs = 250;
// How many times a read starts again with a new owner of the clipboard, within its time.
constexpr int OwnersAsked = 4;

class SelectionReader {
public:
    SelectionReader(qint64 maxBytes, int answerLimitMs, SteadyClock::time_point readEnd)
        : connection_(XCB_EVENT_MASK_PROPERTY_CHANGE), c_(connection_.get()),
          window_(connection_.window()), maxBytes_(maxBytes),
          answerLimit_(std::chrono::milliseconds(answerLimitMs)), readEnd_(readEnd) {
        if (!connection_.isOpen())
            return;
        clipboard_ = connection_.atom("CLIPBOARD");
        targets_ = connection_.atom("TARGETS");
        incremental_ = connection_.atom("INCR");
        property_ = connection_.atom("VOKARELO_CLIPBOARD");
    }

    bool connected() const { return connection_.isOpen(); }

    // The answer; nothing when another program took the clipboard before its owner answered.
    std::optional<SelectionAnswer> read(const QList<QByteArray>& preferred) {
        SelectionAnswer answer;
        answer.connected = true;
        owner_ = owner();
        if (owner_ == XCB_NONE)
            return answer;
        // Names no client has ever made cannot be among the owner's types.
        std::vector<xcb_intern_atom_cookie_t> asked;
        for (const QByteArray& name : preferred)
            asked.push_back(xcb_intern_atom(c_, 1, name.size(), name.constData()));
        std::vector<xcb_atom_t> wanted;
        for (xcb_intern_atom_cookie_t cookie : asked) {
            Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c_, cookie, nullptr));
            wanted.push_back(reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE));
        }

        const Answer list = ask(targets_, TypeListLimitBytes);
        if (ownerChanged_)
            return std::nullopt;
        if (list.read != ClipboardRead::Found) {
            // A list beyond all reason is no list; a picture or a text too large is another thing.
            answer.read = list.read == ClipboardRead::TooLarge ? ClipboardRead::Empty : list.read;
            return answer;
        }
        const auto* offered = reinterpret_cast<const xcb_atom_t*>(list.bytes.constData());
        const auto offeredEnd = offered + list.bytes.size() / qsizetype(sizeof(xcb_atom_t));
        for (qsizetype i = 0; i < preferred.size(); ++i) {
            if (wanted[i] == XCB_ATOM_NONE ||
                std::find(offered, offeredEnd, wanted[i]) == offeredEnd)
                continue;
            Answer data = ask(wanted[i], maxBytes_);
            if (ownerChanged_)
                return std::nullopt;
            answer.read = data.read;
            answer.type = preferred[i];
            if (data.read == ClipboardRead::Found)
                answer.bytes = std::move(data.bytes);
            return answer;
        }
        return answer;
    }

private:
    xcb_window_t owner() {
        Owned<xcb_get_selection_owner_reply_t> reply(
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, clipboard_), nullptr));
        return reply ? reply->owner : xcb_window_t(XCB_NONE);
    }

    // The owner's answer for one type: Found with its bytes (perhaps none), Empty when it refuses.
    Answer ask(xcb_atom_t type, qint64 maxBytes) {
        xcb_convert_selection(c_, window_, clipboard_, type, property_, XCB_CURRENT_TIME);
        xcb_flush(c_);
        const Owned<xcb_generic_event_t> event = nextEvent([&](const xcb_generic_event_t* e) {
            if ((e->response_type & 0x7f) != XCB_SELECTION_NOTIFY)
                return false;
            const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(e);
            return notify->requestor == window_ && notify->selection == clipboard_ &&
                   notify->target == type;
        });
        if (!event)
            return failed(ClipboardRead::NoAnswer);
        const xcb_atom_t property =
            reinterpret_cast<const xcb_selection_notify_event_t*>(event.get())->property;
        if (property == XCB_NONE)
            return failed(ClipboardRead::Empty);
        Answer answer = take(property, maxBytes);
        if (answer.read == ClipboardRead::Found && answer.type == incremental_)
            return takeInParts(property, answer.bytes, maxBytes);
        return answer;
    }

    // The property's value, deleted as it is read, which tells an owner sending in parts to send
    // the next one.
    Answer take(xcb_atom_t property, qint64 maxBytes) {
        const auto longs = uint32_t(std::min<qint64>(maxBytes / 4 + 1, UINT32_MAX));
        Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c_, xcb_get_property(c_, 1, window_, property, XCB_GET_PROPERTY_TYPE_ANY, 0, longs),
            nullptr));
        if (!reply)
            return failed(ClipboardRead::NoAnswer);
        const int length = xcb_get_property_value_length(reply.get());
        if (reply->bytes_after > 0 || length > maxBytes) {
            xcb_delete_property(c_, window_, property);
            xcb_flush(c_);
            return failed(ClipboardRead::TooLarge);
        }
        return {ClipboardRead::Found, reply->type,
                QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length)};
    }

    // An answer too large for one property comes as a series of new values of the property, each
    // read and deleted in turn, until an empty one. The owner announces a size no larger than the
    // whole.
    Answer takeInParts(xcb_atom_t property, const QByteArray& announced, qint64 maxBytes) {
        uint32_t announcedBytes = 0;
        if (announced.size() >= qsizetype(sizeof announcedBytes))
            std::memcpy(&announcedBytes, announced.constData(), sizeof announcedBytes);
        if (announcedBytes > maxBytes)
            return failed(ClipboardRead::TooLarge);
        Answer whole{ClipboardRead::Found, XCB_ATOM_NONE, {}};
        for (;;) {
            const Owned<xcb_generic_event_t> event = nextEvent([&](const xcb_generic_event_t* e) {
                if ((e->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                    return false;
                const auto* changed = reinterpret_cast<const xcb_property_notify_event_t*>(e);
                return changed->window == window_ && changed->atom == property &&
                       changed->state == XCB_PROPERTY_NEW_VALUE;
            });
            if (!event)
                return failed(ClipboardRead::NoAnswer);
            Answer part = take(property, maxBytes - whole.bytes.size());
            if (part.read != ClipboardRead::Found)
                return failed(part.read);
            if (part.bytes.isEmpty())
                return whole;
            whole.type = part.type;
            whole.bytes.append(part.bytes);
        }
    }

    // The next event that `wanted` accepts, the others dropped; none when the owner's time for
    // this answer or the whole read's time is up, when the display has gone, or when another
    // program took the clipboard meanwhile (or its owner went away), which is looked at after
    // every quiet quarter of a second: a new owner is asked afresh, so a copy in another program
    // ends a wait for one that hangs.
    template <typename Wanted> Owned<xcb_generic_event_t> nextEvent(Wanted wanted) {
        const SteadyClock::time_point end = std::min(SteadyClock::now() + answerLimit_, readEnd_);
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                Owned<xcb_generic_event_t> event(e);
                if (wanted(event.get()))
                    return event;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - SteadyClock::now());
            if (xcb_connection_has_error(c_) || left.count() <= 0)
                return nullptr;
            pollfd socket{xcb_get_file_descriptor(c_), POLLIN, 0};
            if (poll(&socket, 1, int(std::min<qint64>(left.count() + 1, QuietMs))) > 0)
                continue;
            ownerChanged_ = owner() != owner_;
            if (ownerChanged_)
                return nullptr;
        }
    }

    X11Connection connection_;
    xcb_connection_t* c_;
    xcb_window_t window_;
    xcb_atom_t clipboard_ = XCB_ATOM_NONE;
    xcb_atom_t targets_ = XCB_ATOM_NONE;
    xcb_atom_t incremental_ = XCB_ATOM_NONE;
    xcb_atom_t property_ = XCB_ATOM_NONE;
    xcb_window_t owner_ = XCB_NONE;
    // Another program took the clipboard, or its owner went away, before the owner answered.
    bool ownerChanged_ = false;
    qint64 maxBytes_;
    SteadyClock::duration answerLimit_;
    SteadyClock::time_point readEnd_;
};

} // namespace

SelectionAnswer readX11Clipboard(const QList<QByteArray>& preferred, qint64 maxBytes,
                                 ClipboardWaits waits) {
    const SteadyClock::time_point readEnd =
        SteadyClock::now() + std::chrono::milliseconds(waits.wholeReadMs);
    // Each owner is asked on a connection and window of its own, so that a late answer of one
    // that was replaced is never taken for the next one's.
    for (int asked = 1;; ++asked) {
        SelectionReader reader(maxBytes, waits.ownerAnswerMs, readEnd);
        if (!reader.connected())
            return {};
        if (std::optional<SelectionAnswer> answer = reader.read(preferred))
            return *answer;
        if (asked == OwnersAsked)
            return {true, ClipboardRead::NoAnswer, {}, {}};
    }
}

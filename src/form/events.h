// SPDX-License-Identifier: MIT
#pragma once

#include "control.h"
#include "element.h"

#include <span>
#include <variant>

class Form;

using Handler = void (*)(Form&);

enum class EventKind { Load, Resize, Timer, Click, DblClick };

// What an event happens to: the window itself (its creation, a change of its size, its timer), a
// control of the panel or an element of the phone screen.
using EventTarget = std::variant<std::monostate, ControlId, ElementId>;

// Whether a set-up keeps the event as a line of its script. The export on demand writes a file from
// whatever the clipboard holds and changes only the caption, and the exit ends the program: they
// leave none. The captures narrow and widen the window, and are kept.
enum class Recording { Recorded, Unrecorded };

// One row of the binding table: the window definition's name for the handler ("Command6_Click",
// "Form_Load"), the event and what it happens to, the function that answers it, whether a set-up
// records it, and what --help says of it where no caption on the panel does ("empties it").
struct EventBinding {
    const char* handlerName;
    EventKind event;
    EventTarget target;
    Handler handler;
    Recording recording = Recording::Recorded;
    const char* help = nullptr;
};

// The window as its definition creates it: the phone screen's elements (in ElementId order, which
// is their stacking order), the panel's controls (in ControlId order) and the binding table.
struct WindowDefinition {
    std::span<const ScreenElement> elements;
    std::span<const PanelControl> controls;
    std::span<const EventBinding> events;
};

// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"
#include "x11_selection_reader.h"

#include <functional>
#include <optional>

// The picture and the text on the X11 clipboard, read on a thread of its own while this thread
// goes on with its events: the window paints, timers run, and this program's own clipboard answers
// other programs (and the reading thread). The answer comes through then, from the event loop:
// nothing when no X display could be reached.
// The owner has the waits' time for each of its answers and for the whole read. A text of more than
// mostCharacters UTF-16 units is TooLarge, and no more than the bytes such a text can take are
// read.
void readX11ClipboardPicture(ClipboardWaits waits,
                             std::function<void(std::optional<ClipboardPicture>)> then);
void readX11ClipboardText(qsizetype mostCharacters, ClipboardWaits waits,
                          std::function<void(std::optional<ClipboardText>)> then);

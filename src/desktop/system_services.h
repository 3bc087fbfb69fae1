// SPDX-License-Identifier: MIT
#pragma once

#include "message_boxes.h"
#include "platform/system_clock.h"
#include "platform/system_file_store.h"
#include "qt_clipboard.h"
#include "qt_screen.h"
#include "qt_timer.h"
#include "x11_selection_reader.h"

#include <functional>

class QWidget;

// The services of the program's window on this system, one of each: the system's clock and files,
// Qt's clipboard, timer, screen and message boxes.
struct SystemServices {
    SystemClock clock;
    QtClipboard clipboard;
    SystemFileStore files{runningProgramFolder(), userPicturesFolder()};
    QtTimer timer;
    QtScreen screen;
    MessageBoxes messages;

    Services services() { return {clock, clipboard, files, files, timer, screen}; }
    // The window they serve: its screen is the capture's, and its message boxes stand over it,
    // showing first what the command that speaks has done so far (beforeMessage).
    void serve(QWidget* window, std::function<void()> beforeMessage) {
        screen.setWindow(window);
        messages.setWindow(window, std::move(beforeMessage));
    }
};

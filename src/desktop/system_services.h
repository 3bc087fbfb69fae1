// SPDX-License-Identifier: MIT
#pragma once

#include "message_boxes.h"
#include "platform/stored_settings.h"
#include "platform/system_clock.h"
#include "platform/system_file_store.h"
#include "platform/system_locations.h"
#include "qt_clipboard.h"
#include "qt_file_dialogs.h"
#include "qt_screen.h"
#include "qt_timer.h"
#include "x11_selection_reader.h"

#include <functional>

class QWidget;

// The services of the program's window on this system, one of each: the system's clock, files and
// folders, Qt's clipboard, timer, screen, message boxes and file dialogs, and the settings file.
struct SystemServices {
    SystemClock clock;
    QtClipboard clipboard;
    SystemFileStore files{runningProgramFolder(), userPicturesFolder()};
    QtTimer timer;
    QtScreen screen;
    MessageBoxes messages;
    StoredSettings settings;
    SystemLocations locations;
    QtFileDialogs fileDialogs;

    Services services() { return {clock, clipboard, files, files, timer, screen}; }
    ShellServices shell() { return {clock, settings, locations, fileDialogs, messages}; }
    // The window they serve: its screen is the capture's, and its message boxes and file dialogs
    // stand over it, a box showing first what the command that speaks has done so far
    // (beforeMessage).
    void serve(QWidget* window, std::function<void()> beforeMessage) {
        screen.setWindow(window);
        fileDialogs.setWindow(window);
        messages.setWindow(window, std::move(beforeMessage));
    }
};

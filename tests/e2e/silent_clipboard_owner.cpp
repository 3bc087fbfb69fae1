// SPDX-License-Identifier: MIT
// Takes the CLIPBOARD selection of the X display named by DISPLAY and never answers a request for
// it, as a program that hangs while it holds the clipboard. Prints "owner" once it holds the
// selection; ends when another program takes the selection, or when it is killed.

#include <X11/Xlib.h>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    XSetSelectionOwner(display, clipboard, window, CurrentTime);
    if (XGetSelectionOwner(display, clipboard) != window) {
        std::fprintf(stderr, "could not take the clipboard\n");
        return 1;
    }
    std::puts("owner");
    std::fflush(stdout);
    // A SelectionRequest is read and dropped: the requestor waits for a SelectionNotify that never
    // comes.
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == SelectionClear)
            return 0;
    }
}

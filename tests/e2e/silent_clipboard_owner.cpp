// SPDX-License-Identifier: MIT
// Takes the CLIPBOARD selection of the X display named by DISPLAY, as a program that hangs, or is
// slow, while it holds the clipboard:
//   silent_clipboard_owner               never answers a request for it
//   silent_clipboard_owner MS TEXT       answers each request MS milliseconds late, offering TEXT
//                                        as UTF-8
// Prints "owner" once it holds the selection; ends when another program takes the selection, or
// when it is killed.

#include "../desktop/x11_clipboard_owner.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    const bool answers = argc == 3;
    const X11ClipboardOwner owner(answers ? X11ClipboardOwner::Manner::Answers
                                          : X11ClipboardOwner::Manner::Silent,
                                  "UTF8_STRING", answers ? QByteArray(argv[2]) : QByteArray(),
                                  answers ? std::atoi(argv[1]) : 0);
    if (!owner.ownsClipboard()) {
        std::fprintf(stderr, "could not take the clipboard\n");
        return 1;
    }
    std::puts("owner");
    std::fflush(stdout);
    while (!owner.lost())
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

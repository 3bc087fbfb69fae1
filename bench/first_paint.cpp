// SPDX-License-Identifier: MIT
// Starts a program on the X display named by DISPLAY and measures the time from its start to the
// first moment one of its windows shows a given colour at a given point, that is, until its first
// painted frame is on the screen. Then, after a short settling time, it reads the program's
// resident memory, ends it and prints
//
//   <milliseconds to the first paint> <peak resident KiB (VmHWM)> <resident KiB (VmRSS)>
//
// Usage: bench_first_paint X Y RRGGBB PROGRAM [ARGUMENTS...]
// It polls every millisecond; a program that paints nothing matching within 20 s is a failure.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Windows come and go while the program starts; an error about one that is gone is not ours.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

bool near(unsigned long pixel, unsigned long colour) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = int((pixel >> shift) & 0xff), b = int((colour >> shift) & 0xff);
        if (std::abs(a - b) > 8)
            return false;
    }
    return true;
}

// Whether a shown top-level window holds the colour at the point.
bool painted(Display* display, int x, int y, unsigned long colour) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable ||
            a.width <= x || a.height <= y)
            continue;
        if (XImage* image = XGetImage(display, children[i], x, y, 1, 1, AllPlanes, ZPixmap)) {
            found = near(XGetPixel(image, 0, 0) & 0xffffff, colour);
            XDestroyImage(image);
        }
    }
    if (children)
        XFree(children);
    return found;
}

// A field of /proc/<pid>/status in KiB.
long statusKiB(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s X Y RRGGBB PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const unsigned long colour = std::strtoul(argv[3], nullptr, 16);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    bool seen = false;
    while (!seen && Clock::now() - start < std::chrono::seconds(20)) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before it painted\n", argv[4]);
            return 1;
        }
        seen = painted(display, x, y, colour);
        if (!seen)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    // What the program holds once it has settled after its first frame.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long peak = statusKiB(pid, "VmHWM"), resident = statusKiB(pid, "VmRSS");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (!seen) {
        std::fprintf(stderr, "%s painted no %06lx at %d,%d within 20 s\n", argv[4], colour, x, y);
        return 1;
    }
    std::printf("%.1f %ld %ld\n", ms, peak, resident);
    return 0;
}

// exec to the first MapNotify of a top-level window, for skorvane and for a bare Qt window.
#include "xvfbserver.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double timeToMap(Display *display, const char *binary)
{
    XSync(display, True);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = spawnProcess({binary});
    double ms = -1;
    while (ms < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            if (attributes.width > 1)
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               start)
                         .count();
        }
    }
    stopProcess(child);
    return ms;
}

void report(Display *display, const char *name, const char *binary)
{
    std::vector<double> runs;
    timeToMap(display, binary); // warm the page cache
    for (int i = 0; i < 10; ++i)
        runs.push_back(timeToMap(display, binary));
    std::sort(runs.begin(), runs.end());
    std::printf("%-12s exec to shown window: median %.1f ms, min %.1f ms, max %.1f ms (10 runs)\n",
                name, runs[runs.size() / 2], runs.front(), runs.back());
}

} // namespace

int main()
{
    XvfbServer xvfb;
    if (!xvfb.isRunning()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    Display *display = XOpenDisplay(xvfb.displayName().c_str());
    if (!display)
        return 1;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    report(display, "bare Qt 6", BARE_WINDOW_BINARY);
    report(display, "skorvane", SKORVANE_BINARY);
    XCloseDisplay(display);
    return 0;
}

// The monitors as programs see them, and how a program's windows are scaled on them.
#include <string>

#include "driver.h"

namespace driver {
namespace {

std::string Rect(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom);
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        PrintLine("monitor rect=" + Rect(info.rcMonitor) + " work=" + Rect(info.rcWork) +
                  " primary=" + ((info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? "1" : "0"));
    }
    return TRUE;
}

// One "monitor rect=L,T,R,B work=L,T,R,B primary=0/1" line per monitor.
bool Monitors(const Args&, Context&) {
    if (!EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0)) {
        return Fail("cannot list the monitors");
    }
    return true;
}

// "dpi-awareness awareness=N": how the system scales WINDOW (0 unaware, 1 system, 2 per monitor), as its
// process declared it. Under Wine another process reads as per monitor for either version of it.
bool DpiAwareness(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    DPI_AWARENESS_CONTEXT awareness = GetWindowDpiAwarenessContext(window);
    if (awareness == nullptr) {
        return Fail("no awareness for " + args[0]);
    }
    PrintLine("dpi-awareness awareness=" + std::to_string(GetAwarenessFromDpiAwarenessContext(awareness)));
    return true;
}

const Registration kMonitors({"monitors", "", 0, 0, Monitors});
const Registration kDpiAwareness({"dpi-awareness", "WINDOW", 1, 1, DpiAwareness});

}  // namespace
}  // namespace driver

// The monitors as programs see them, how a program's windows are scaled on them, and the manifest a
// program file carries for that.
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

// The manifest the loader reads for a program, one "manifest text=..." line per line.
bool Manifest(const Args& args, Context&) {
    HMODULE module = LoadLibraryExA(args[0].c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return Fail("cannot load " + FromAnsi(args[0]) + " as data (error " + std::to_string(GetLastError()) +
                    ")");
    }
    HRSRC resource = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const char* text = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (text == nullptr) {
        FreeLibrary(module);
        return Fail("no manifest in " + FromAnsi(args[0]));
    }
    const std::string manifest(text, SizeofResource(module, resource));
    FreeLibrary(module);
    size_t start = 0;
    while (start < manifest.size()) {
        size_t end = manifest.find('\n', start);
        if (end == std::string::npos) {
            end = manifest.size();
        }
        std::string line = manifest.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        PrintLine("manifest text=" + line);
        start = end + 1;
    }
    return true;
}

const Registration kMonitors({"monitors", "", 0, 0, Monitors});
const Registration kDpiAwareness({"dpi-awareness", "WINDOW", 1, 1, DpiAwareness});
const Registration kManifest({"manifest", "FILE", 1, 1, Manifest});

}  // namespace
}  // namespace driver

// One window per monitor beyond the primary one. A close request to any of them is one to
// "Vantor_Render", so the run has a single way to end.
#include "monitor_windows_win32.h"

#include <vector>

#include "gdi_win32.h"

namespace {

constexpr UINT kClassStyle = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
constexpr DWORD kWindowStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

struct MonitorWindow {
    HWND window;
    HDC dc;  // the class owns it, so it stays valid as long as the window
};

// In the order the system lists the monitors; changes only when the monitors do.
std::vector<MonitorWindow> MonitorWindows;
bool ClassRegistered;

BOOL CALLBACK CollectOtherMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM rects) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info) && (info.dwFlags & MONITORINFOF_PRIMARY) == 0) {
        reinterpret_cast<std::vector<RECT>*>(rects)->push_back(info.rcMonitor);
    }
    return TRUE;
}

bool RegisterMonitorClass() {
    if (!ClassRegistered) {
        WNDCLASSA windowClass = {};
        windowClass.style = kClassStyle;
        windowClass.lpfnWndProc = MonitorWindowProc;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kMonitorWindowName;
        ClassRegistered = RegisterClassA(&windowClass) != 0;
    }
    return ClassRegistered;
}

// Owned by "Vantor_Render": above it where the two overlap (its width reaches past the primary
// monitor), and without a taskbar button of its own. Shown without taking the focus from it.
void AddMonitorWindow(HWND renderWindow, const RECT& monitor) {
    HWND window = CreateWindowExA(0, kMonitorWindowName, kMonitorWindowName, kWindowStyle, monitor.left,
                                  monitor.top, monitor.right - monitor.left, monitor.bottom - monitor.top,
                                  renderWindow, nullptr, nullptr, nullptr);
    // A monitor without a window shows the desktop; nothing is reported, as for the rest of the window.
    if (window == nullptr) {
        return;
    }
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MonitorWindows.push_back({window, GetDC(window)});
}

void RemoveLastMonitorWindow() {
    const MonitorWindow last = MonitorWindows.back();
    MonitorWindows.pop_back();
    ReleaseDC(last.window, last.dc);
    DestroyWindow(last.window);
}

}  // namespace

void FollowMonitors(HWND renderWindow) {
    std::vector<RECT> monitors;
    // Without the list nothing is known of the monitors: the windows stay as they are.
    if (!EnumDisplayMonitors(nullptr, nullptr, CollectOtherMonitor, reinterpret_cast<LPARAM>(&monitors))) {
        return;
    }
    while (MonitorWindows.size() > monitors.size()) {
        RemoveLastMonitorWindow();
    }
    for (size_t i = 0; i < MonitorWindows.size(); ++i) {
        const RECT& monitor = monitors[i];
        SetWindowPos(MonitorWindows[i].window, nullptr, monitor.left, monitor.top,
                     monitor.right - monitor.left, monitor.bottom - monitor.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (monitors.size() > MonitorWindows.size() && RegisterMonitorClass()) {
        for (size_t i = MonitorWindows.size(); i < monitors.size(); ++i) {
            AddMonitorWindow(renderWindow, monitors[i]);
        }
    }
}

void PaintMonitorWindows() {
    for (const MonitorWindow& monitorWindow : MonitorWindows) {
        PaintFrame(monitorWindow.window, monitorWindow.dc);
    }
}

void HandleMonitorWindowMessages() {
    // A display change handled in here may add or remove windows: the list is read afresh each time.
    for (size_t i = 0; i < MonitorWindows.size(); ++i) {
        MSG message;
        while (i < MonitorWindows.size() &&
               PeekMessageA(&message, MonitorWindows[i].window, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void DestroyMonitorWindows() {
    while (!MonitorWindows.empty()) {
        RemoveLastMonitorWindow();
    }
}

LRESULT CALLBACK MonitorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            for (const MonitorWindow& monitorWindow : MonitorWindows) {
                if (monitorWindow.window == window) {
                    PaintFrame(window, monitorWindow.dc);
                }
            }
            return 0;
        case WM_KEYDOWN:
        case WM_CLOSE:
            // Keys and close requests count as given to "Vantor_Render": Esc on any monitor, or a close
            // request to any window of the run, ends it from there, and the process does not come back.
            return SendMessageA(GetWindow(window, GW_OWNER), message, wParam, lParam);
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

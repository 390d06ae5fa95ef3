// Finding windows by title, class or handle, describing them, and waiting while our own windows live.
#include "driver.h"

namespace driver {

HWND FindWindowByName(const std::string& which, const Context& context) {
    if (which == "last") {
        return IsWindow(context.lastWindow) ? context.lastWindow : nullptr;
    }
    if (which.rfind("class=", 0) == 0) {
        return FindWindowW(ToWide(which.substr(6)).c_str(), nullptr);
    }
    if (which.rfind("hwnd=", 0) == 0) {
        long long handle = 0;
        if (!ParseNumber(which.substr(5), handle)) {
            return nullptr;
        }
        HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
        return IsWindow(window) ? window : nullptr;
    }
    return FindWindowW(nullptr, ToWide(which).c_str());
}

HWND RequireWindow(const std::string& which, const Context& context) {
    HWND window = FindWindowByName(which, context);
    if (window == nullptr) {
        Fail("no window " + which);
    }
    return window;
}

std::string DescribeWindow(const char* kind, HWND window) {
    // Wide: names and texts whatever the system's code page can write.
    wchar_t className[256] = L"";
    if (GetClassNameW(window, className, 256) == 0) {
        className[0] = L'\0';
    }
    wchar_t text[1024] = L"";
    if (GetWindowTextW(window, text, 1024) == 0) {
        text[0] = L'\0';
    }
    RECT rect = {};
    GetWindowRect(window, &rect);
    RECT client = {};
    GetClientRect(window, &client);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const auto style = static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE));
    const auto classStyle = static_cast<unsigned long>(GetClassLongA(window, GCL_STYLE));
    return std::string(kind) + " hwnd=" + Hex(reinterpret_cast<uintptr_t>(window)) +
           " handle=" + std::to_string(reinterpret_cast<uintptr_t>(window)) +
           " pid=" + std::to_string(processId) + " class=" + FromWide(className) + " style=" + Hex(style) +
           " exstyle=" + Hex(exStyle) + " classstyle=" + Hex(classStyle) +
           " visible=" + (IsWindowVisible(window) ? "1" : "0") +
           " id=" + std::to_string(GetDlgCtrlID(window)) + " rect=" + std::to_string(rect.left) + "," +
           std::to_string(rect.top) + "," + std::to_string(rect.right) + "," + std::to_string(rect.bottom) +
           " size=" + std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) +
           " client=" + std::to_string(client.right) + "x" + std::to_string(client.bottom) +
           " parent=" + Hex(reinterpret_cast<uintptr_t>(GetAncestor(window, GA_PARENT))) +
           " owner=" + Hex(reinterpret_cast<uintptr_t>(GetWindow(window, GW_OWNER))) +
           " text=" + FromWide(text);
}

bool WaitPumping(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) {
            return true;
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) {
            return false;
        }
        const DWORD slice = milliseconds - elapsed < 10 ? milliseconds - elapsed : 10;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

}  // namespace driver

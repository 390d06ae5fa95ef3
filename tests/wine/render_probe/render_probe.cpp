// The window module seen from inside its own process, where the system menu and the cursor count can
// be read (another process cannot read them under Wine). The first argument picks the case:
//   show             create the window, report menu, cursor and an early paint, then present a frame
//                    of four coloured quarters until a close request ends the process
//   class-taken      the class name is already registered: nothing may be created
//   window-refused   the class registers but the window is refused
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ansi_text_win32.h"
#include "gdi_win32.h"

namespace {

constexpr char kTitle[] = "Vantor_Render";

void Print(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%lx", value);
    return text;
}

// The thread's cursor display count, read by stepping it up and back down.
void PrintCursorAndScreenSaver() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    Print("cursor count=" + std::to_string(count));
    Print(std::string("screensaver active=") + (active ? "1" : "0"));
}

void PrintSystemMenu(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        Print("menu index=" + std::to_string(i) + " of=" + std::to_string(count) +
              " id=" + Hex(GetMenuItemID(menu, i)) + " state=" + Hex(state) + " text=" + FromAnsi(text));
    }
}

// Quarters red, green, blue, white: shows where the frame's rows and colour bytes end up.
PaletteEntry Quarters[kFramePixels];

void PaintQuarters() {
    const PaletteEntry colours[4] = {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}, {255, 255, 255, 0}};
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        for (int32_t x = 0; x < kFrameWidth; ++x) {
            Quarters[y * kFrameWidth + x] =
                colours[(y >= kFrameHeight / 2 ? 2 : 0) + (x >= kFrameWidth / 2 ? 1 : 0)];
        }
    }
}

// Wine gives no system menu to a window without WS_SYSMENU, so the popup gets the style
// bit while it is being created; the items the module appends are then there to read.
LRESULT CALLBACK AddSystemMenuStyle(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_SYSMENU);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int Show() {
    HHOOK hook = SetWindowsHookExA(WH_CBT, AddSystemMenuStyle, nullptr, GetCurrentThreadId());
    Print("create result=" + std::to_string(CreateRenderWindow(kTitle, kFrameWidth, kFrameHeight)));
    UnhookWindowsHookEx(hook);
    HWND window = FindWindowA(kTitle, kTitle);
    PrintCursorAndScreenSaver();
    PrintSystemMenu(window);

    // Before the first frame a paint draws nothing and leaves the window invalid.
    InvalidateRect(window, nullptr, FALSE);
    const LRESULT result = SendMessageA(window, WM_PAINT, 0, 0);
    Print("early-paint result=" + std::to_string(result) +
          " still-invalid=" + (GetUpdateRect(window, nullptr, FALSE) ? "1" : "0"));

    // A message for another window of the same thread must stay queued for its owner.
    HWND other = CreateWindowExA(0, "STATIC", "other", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    PostMessageA(other, WM_USER, 0, 0);
    PaintQuarters();
    PresentFrame(Quarters);
    MSG message;
    Print(std::string("presented still-invalid=") + (GetUpdateRect(window, nullptr, FALSE) ? "1" : "0") +
          " other-window-message-kept=" +
          (PeekMessageA(&message, other, WM_USER, WM_USER, PM_NOREMOVE) ? "1" : "0"));
    for (;;) {
        PresentFrame(Quarters);
    }
}

int ClassTaken() {
    WNDCLASSA taken = {};
    taken.lpfnWndProc = DefWindowProcA;
    taken.lpszClassName = kTitle;
    if (RegisterClassA(&taken) == 0) {
        Print("error cannot register the class first");
        return 1;
    }
    Print("create result=" + std::to_string(CreateRenderWindow(kTitle, kFrameWidth, kFrameHeight)));
    Print(std::string("window exists=") + (FindWindowA(nullptr, kTitle) != nullptr ? "1" : "0"));
    PrintCursorAndScreenSaver();
    return 0;
}

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int WindowRefused() {
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    if (hook == nullptr) {
        Print("error cannot hook window creation");
        return 1;
    }
    Print("create result=" + std::to_string(CreateRenderWindow(kTitle, kFrameWidth, kFrameHeight)));
    UnhookWindowsHookEx(hook);
    Print(std::string("window exists=") + (FindWindowA(nullptr, kTitle) != nullptr ? "1" : "0"));
    PrintCursorAndScreenSaver();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "show") {
        return Show();
    }
    if (mode == "class-taken") {
        return ClassTaken();
    }
    if (mode == "window-refused") {
        return WindowRefused();
    }
    Print("usage: render-probe show|class-taken|window-refused");
    return 2;
}

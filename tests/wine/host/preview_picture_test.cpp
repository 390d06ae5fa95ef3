// The preview form inside a window of this program: Wine 8 shows what a child window draws only when
// its parent belongs to the same process, so this is where the preview's pixels can be looked at.
// Usage: preview_picture_test WIDTH HEIGHT. Prints "client x=.. y=.." (the parent's client area on the
// screen) once the preview is shown; ends when the parent window is closed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "forms_win32.h"
#include "host_platform_win32.h"
#include "vantor_b.h"
#include "vantor_r.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const LONG width = std::atol(argv[1]);
    const LONG height = std::atol(argv[2]);
    static Win32HostPlatform platform;
    Vantor_B::UsePlatform(platform);

    WNDCLASSA parentClass{};
    parentClass.lpfnWndProc = DefWindowProcA;
    parentClass.hInstance = GetModuleHandleA(nullptr);
    parentClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    parentClass.lpszClassName = "PreviewPictureTestParent";
    if (!RegisterClassA(&parentClass)) {
        return 1;
    }
    // Like the display settings' preview area: a frameless child-sized window, here top-level.
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE;
    HWND parent = CreateWindowExA(0, parentClass.lpszClassName, "Preview picture test", style, 40, 40, width,
                                  height, nullptr, nullptr, parentClass.hInstance, nullptr);
    if (parent == nullptr) {
        return 1;
    }

    const auto handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(parent));
    Vantor_B::WindowRect rect;
    platform.GetWindowRect(handle, rect);
    OpenPreviewForm(
        {handle, Vantor_R::PreviewSize(rect, platform.TwipsPerPixelX(), platform.TwipsPerPixelY())});

    POINT origin{0, 0};
    ClientToScreen(parent, &origin);
    std::printf("client x=%ld y=%ld\n", origin.x, origin.y);
    std::fflush(stdout);

    // Closing the parent destroys the preview, which ends the process.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 1;
}

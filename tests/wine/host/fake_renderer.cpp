// A stand-in for Quorrel.dll that can be slow to start: it waits QUORREL_FAKE_RENDERER_DELAY_MS
// (default 0) before it makes its "Vantor_Render" window, then lives until Esc or a close request.
#include <windows.h>

#include <cstdlib>

namespace {

LRESULT CALLBACK FakeRendererProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                DestroyWindow(window);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char delay[32] = "";
    if (GetEnvironmentVariableA("QUORREL_FAKE_RENDERER_DELAY_MS", delay, sizeof delay) > 0) {
        Sleep(static_cast<DWORD>(std::strtoul(delay, nullptr, 10)));
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FakeRendererProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
    windowClass.lpszClassName = "Vantor_Render";
    if (!RegisterClassA(&windowClass)) {
        return 1;
    }
    HWND window = CreateWindowExA(0, "Vantor_Render", "Vantor_Render", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                                  400, 200, 150, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

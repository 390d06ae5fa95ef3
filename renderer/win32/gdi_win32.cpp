// One popup window covering the primary monitor, showing the frame stretched to its size; the other
// monitors show it in windows of their own (monitor_windows_win32.h). Messages are handled only inside
// PresentFrame, between two frames, so painting never overlaps drawing.
#include "gdi_win32.h"

#include "monitor_windows_win32.h"
#include "zoom_commands.h"

namespace {

constexpr UINT kClassStyle = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
constexpr DWORD kWindowStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// A BITMAPINFOHEADER followed by the three colour masks that BI_BITFIELDS asks for.
struct FrameBitmapInfo {
    BITMAPINFOHEADER header;
    DWORD masks[3];
};
static_assert(sizeof(FrameBitmapInfo) == 52);

HWND RenderWindow;
HDC RenderDC;  // the class owns it, so it stays valid as long as the window
const PaletteEntry* FrameToPaint;
int32_t PaintWidth;
int32_t PaintHeight;
int32_t ZoomWidth;
int32_t ZoomHeight;
FrameBitmapInfo BitmapHeader;

void BuildBitmapHeader() {
    BitmapHeader = {};
    BitmapHeader.header.biSize = sizeof(BITMAPINFOHEADER);
    BitmapHeader.header.biWidth = PaintWidth;
    BitmapHeader.header.biHeight = -PaintHeight;  // top row first, as in the frame
    BitmapHeader.header.biPlanes = 1;
    BitmapHeader.header.biBitCount = 32;
    BitmapHeader.header.biCompression = BI_BITFIELDS;
    BitmapHeader.masks[0] = 0x00FF0000;
    BitmapHeader.masks[1] = 0x0000FF00;
    BitmapHeader.masks[2] = 0x000000FF;
}

// Not written to the profile: a run that never reaches the close path leaves the user's own setting
// in place after the next log-on. Under Wine the change is a request to the X server that waits in a
// buffer, and the close path ends the process right after it; reading the flag back needs the server's
// answer, so the request is sent before the process ends.
void SetScreenSaverActive(BOOL active) {
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active, nullptr, 0);
    BOOL current;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &current, 0);
}

void Zoom(HWND window, int32_t factor) {
    const int32_t width = factor * ZoomWidth;
    const int32_t height = factor * ZoomHeight;
    SetWindowPos(window, nullptr, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width),
                 CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height), width, height, SWP_NOZORDER);
}

}  // namespace

void PaintFrame(HWND window, HDC dc) {
    if (FrameToPaint == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(window, &client);
    StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, PaintWidth, PaintHeight, FrameToPaint,
                  reinterpret_cast<const BITMAPINFO*>(&BitmapHeader), DIB_RGB_COLORS, SRCCOPY);
    ValidateRect(window, nullptr);
}

int CreateRenderWindow(const char* className, int32_t width, int32_t height) {
    ShowCursor(FALSE);

    // No instance handle, for the class as for the window: this renderer has always registered them so,
    // and the system then takes the program's own. Setting one changes nothing a user sees.
    WNDCLASSA windowClass = {};
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = RenderWindowProc;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass) == 0) {
        return 0;
    }

    // The zoom sizes are those of a framed, captioned window around k frames, the sizes the zoom commands
    // have always given. The popup draws no frame, so all of that size is client area, and the picture
    // is stretched a frame's and a caption's pixels beyond k times the frame.
    RECT zoomRect = {0, 0, width, height};
    AdjustWindowRect(&zoomRect, WS_OVERLAPPEDWINDOW, FALSE);
    ZoomWidth = zoomRect.right - zoomRect.left;
    ZoomHeight = zoomRect.bottom - zoomRect.top;
    PaintWidth = width;
    PaintHeight = height;

    // A maximised window is the work area plus its sizing frame on each side, the frame lying off the
    // screen. From the screen's corner, and with a caption's height more, that is wider and taller than
    // the screen wherever the work area is the whole screen, so no edge of the desktop shows; what
    // reaches onto a monitor beside it lies under that monitor's own window.
    const int windowWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    const int windowHeight = GetSystemMetrics(SM_CYMAXIMIZED) + GetSystemMetrics(SM_CYCAPTION);
    RenderWindow = CreateWindowExA(0, className, kRenderWindowName, kWindowStyle, 0, 0, windowWidth,
                                   windowHeight, nullptr, nullptr, nullptr, nullptr);
    // Without a window there is nothing to show: end the run as if the class had failed.
    if (RenderWindow == nullptr) {
        return 0;
    }
    // The rest is not checked: nothing is reported anyway, and a failure shows only as a missing
    // picture, menu item or screen-saver change.
    ShowWindow(RenderWindow, SW_SHOWNORMAL);
    RenderDC = GetDC(RenderWindow);
    BuildBitmapHeader();

    HMENU systemMenu = GetSystemMenu(RenderWindow, FALSE);
    for (const ZoomItem& item : kZoomItems) {
        AppendMenuA(systemMenu, MF_STRING, item.id, item.text);
    }

    SetScreenSaverActive(FALSE);
    FollowMonitors(RenderWindow);
    return 1;
}

int PresentFrame(const PaletteEntry* frame) {
    FrameToPaint = frame;
    InvalidateRect(RenderWindow, nullptr, TRUE);
    // Sent, not left to the queue: the frame is shown now, before the next one is drawn, however busy
    // the queue is. The window procedure paints without BeginPaint, so a sent WM_PAINT is safe here.
    SendMessageA(RenderWindow, WM_PAINT, 0, 0);
    PaintMonitorWindows();

    // Only this window's messages: anything else waits for its own owner.
    MSG message;
    while (PeekMessageA(&message, RenderWindow, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    HandleMonitorWindowMessages();
    // The renderer's only pause: one yield of the processor per frame, so that programs of equal priority
    // run between frames. There is no frame-rate limit, and none is wanted here.
    Sleep(0);
    return 1;
}

void CloseRenderer() {
    FrameToPaint = nullptr;
    // First, so that no window of the run is left once the host finds "Vantor_Render" gone.
    DestroyMonitorWindows();
    ReleaseDC(RenderWindow, RenderDC);
    DestroyWindow(RenderWindow);
    SetScreenSaverActive(TRUE);
}

LRESULT CALLBACK RenderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            // Never BeginPaint: the frame is painted whole, straight from the frame buffer.
            PaintFrame(window, RenderDC);
            return 0;
        case WM_CLOSE:
            CloseRenderer();
            ExitProcess(0);
        case WM_KEYDOWN:
            // A virtual-key code is one byte; a key message posted by another program may carry more in
            // wParam, and only the code counts.
            if ((wParam & 0xFF) == VK_ESCAPE) {
                SendMessageA(window, WM_CLOSE, 0, 0);
            }
            return 0;
        case WM_SYSCOMMAND:
            if (IsZoomCommand(wParam)) {
                Zoom(window, ZoomFactor(wParam));
                return 0;
            }
            break;
        case WM_DISPLAYCHANGE:
            FollowMonitors(window);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

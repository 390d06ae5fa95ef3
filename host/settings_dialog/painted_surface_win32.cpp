#include "painted_surface_win32.h"

namespace Vantor_P {

void PaintedSurface::Paint(HWND window, GradientSurface surface) {
    RECT client;
    if (!GetClientRect(window, &client) || !image_.Create(window, client.right, client.bottom)) {
        return;
    }
    HDC dc = image_.Dc();
    SelectObject(dc, GetStockObject(DC_PEN));
    const auto rows = GradientRows(client.bottom, surface);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        const uint32_t c = rows[static_cast<size_t>(y)];
        SetDCPenColor(dc, RGB(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF));
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, client.right, y);
    }
}

}  // namespace Vantor_P

#include <windows.h>

#include <algorithm>

#include "forms_win32.h"
#include "host_names.h"
#include "resource_ids.h"
#include "vantor_b.h"
#include "vantor_r.h"
#include "wide_text_win32.h"
#include "window_handle_win32.h"

namespace {

constexpr wchar_t kPreviewFormClass[] = L"Quorrel_PreviewForm";

// Img_Prev: the preview picture, drawn at its own size from the top-left corner of its area.
struct PictureControl {
    HBITMAP picture = nullptr;
    RECT area{};

    void Paint(HDC target) const {
        if (picture == nullptr) {
            return;
        }
        HDC source = CreateCompatibleDC(target);
        if (source == nullptr) {
            return;
        }
        HGDIOBJ previous = SelectObject(source, picture);
        BitBlt(target, area.left, area.top, std::min<LONG>(Vantor_R::kPictureWidth, area.right - area.left),
               std::min<LONG>(Vantor_R::kPictureHeight, area.bottom - area.top), source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
};

PictureControl Img_Prev;
HWND previewWindow = nullptr;

// How often the form makes sure it still exists.
constexpr UINT kPreviewWatchMs = 1000;

// A parent whose process dies takes our window with it without telling us: the form is gone all the
// same, and the host must not stay behind invisible.
void CALLBACK WatchPreview(HWND, UINT, UINT_PTR, DWORD) {
    if (!IsWindow(previewWindow)) {
        Vantor_R::Form_Unload();
    }
}

LRESULT CALLBACK PreviewFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (HDC target = BeginPaint(window, &paint)) {
                Img_Prev.Paint(target);
                EndPaint(window, &paint);
            }
            return 0;
        }
        case WM_DESTROY:
            // Also when the preview window, our parent, is destroyed: the host has nothing else to show.
            Vantor_R::Form_Unload();
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void OpenPreviewForm(const Vantor_R::Placement& place) {
    const int32_t width = place.size.width;
    const int32_t height = place.size.height;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSW formClass{};
    formClass.lpfnWndProc = PreviewFormProc;
    formClass.hInstance = instance;
    formClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    formClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    formClass.lpszClassName = kPreviewFormClass;
    if (!RegisterClassW(&formClass)) {
        Vantor_R::Form_Unload();
        return;
    }
    // A DIB section keeps the picture's colours exact whatever the display's depth.
    Img_Prev.picture = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(kPreviewPictureId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    Img_Prev.area = {0, 0, width, height};
    HWND window = CreateWindowExW(0, kPreviewFormClass, ToWide(Vantor_B::kPreviewFormTitle).c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS, 0, 0, width, height, WindowOf(place.parent),
                                  nullptr, instance, nullptr);
    if (window == nullptr) {
        Vantor_R::Form_Unload();
        return;
    }
    previewWindow = window;
    // Without the watch a preview could outlive its parent for ever: none is shown then.
    if (SetTimer(nullptr, 0, kPreviewWatchMs, WatchPreview) == 0) {
        Vantor_R::Form_Unload();
        return;
    }
    ShowWindow(window, SW_SHOWNORMAL);
}

#include "command_window_win32.h"

#include <windowsx.h>

#include "face_win32.h"
#include "font_win32.h"
#include "twips_win32.h"
#include "wide_text_win32.h"

namespace Vantor {
namespace {

constexpr UINT_PTR TmrMouseId = 1;

bool RegisterCommandClass(WNDPROC windowProc) {
    static const bool registered = [windowProc] {
        // A Unicode window: its caption reaches the screen whatever the system's code page.
        static const std::wstring className = ToWide(CommandTypeName);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.lpszClassName = className.c_str();
        return RegisterClassExW(&windowClass) != 0;
    }();
    return registered;
}

int ShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

int HeldButtons(WPARAM keys) {
    return (keys & MK_LBUTTON ? LeftButton : 0) | (keys & MK_RBUTTON ? RightButton : 0) |
           (keys & MK_MBUTTON ? MiddleButton : 0);
}

COLORREF ColourOf(uint32_t colour) {
    // Platform colour numbers with the top bit set name a system colour.
    return colour & 0x80000000u ? GetSysColor(static_cast<int>(colour & 0xFF))
                                : static_cast<COLORREF>(colour & 0xFFFFFF);
}

// A transparent button shows what its container paints beneath it.
void PaintContainerBackground(HWND window, HDC dc) {
    HWND parent = GetParent(window);
    POINT origin{0, 0};
    MapWindowPoints(window, parent, &origin, 1);
    POINT previous;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace

CommandWindow::CommandWindow(const FontDesc& containerFont)
    : containerFont_(containerFont), command_(*this) {}

std::unique_ptr<CommandWindow> CommandWindow::Create(HWND parent, int id, const RECT& pixels,
                                                     const FontDesc& containerFont,
                                                     const PropertyBag& stored) {
    std::unique_ptr<CommandWindow> button(new CommandWindow(containerFont));
    if (!RegisterCommandClass(&CommandWindow::WindowProc)) {
        return button;
    }
    // The window's first size message draws the first face.
    CreateWindowExW(0, ToWide(CommandTypeName).c_str(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, pixels.left,
                    pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                    button.get());
    if (button->window_ != nullptr) {
        button->command_.ReadProperties(stored);
        button->FollowEnabled();
    }
    return button;
}

CommandWindow::~CommandWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

void CommandWindow::StartPointerWatch(uint32_t milliseconds) {
    SetTimer(window_, TmrMouseId, milliseconds, nullptr);
}

bool CommandWindow::PointerOverControl() {
    POINT pointer;
    return GetCursorPos(&pointer) && WindowFromPoint(pointer) == window_;
}

// The container's stored description does not change while the program runs; only the window's own
// enabling follows the control's.
void CommandWindow::PropertyChanged(const std::string& name) {
    if (name == "Enabled") {
        FollowEnabled();
    }
}

// A disabled button's window takes no mouse input, and the tab ring passes it by.
void CommandWindow::FollowEnabled() {
    EnableWindow(window_, command_.EnabledNow());
}

void CommandWindow::Redraw() {
    InvalidateRect(window_, nullptr, FALSE);
}

void CommandWindow::DrawFace(Skin skin, bool gradientReversed) {
    Vantor::DrawFace(image_, skin, gradientReversed);
    // A null window would mean the whole screen.
    if (window_ != nullptr) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

double CommandWindow::TwipsPerPixelX() {
    return Vantor_B::TwipsPerPixelX();
}
double CommandWindow::TwipsPerPixelY() {
    return Vantor_B::TwipsPerPixelY();
}

LRESULT CALLBACK CommandWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<CommandWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<CommandWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        KillTimer(window, TmrMouseId);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT CommandWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the face covers everything
        case WM_SIZE:
            // Without an image the face stays undrawn; the caption still shows.
            image_.Create(window_, LOWORD(lParam), HIWORD(lParam));
            command_.Resize();
            return 0;
        case WM_TIMER:
            if (wParam == TmrMouseId) {
                command_.TmrMouse_Timer();
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            // Focus that goes to or comes back from another top-level window never left the button.
            const HWND other = reinterpret_cast<HWND>(wParam);
            if (GetAncestor(other, GA_ROOT) != GetAncestor(window_, GA_ROOT)) {
                return 0;
            }
            if (message == WM_SETFOCUS) {
                command_.GotFocus();
            } else {
                command_.LostFocus();
            }
            return 0;
        }
        case WM_MOUSEMOVE:
            command_.MouseMove(HeldButtons(wParam), ShiftState(),
                               static_cast<float>(GET_X_LPARAM(lParam) * TwipsPerPixelX()),
                               static_cast<float>(GET_Y_LPARAM(lParam) * TwipsPerPixelY()));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            MouseButton(message, wParam, lParam);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void CommandWindow::MouseButton(UINT message, WPARAM wParam, LPARAM lParam) {
    const int button = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP   ? LeftButton
                       : message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? RightButton
                                                                              : MiddleButton;
    const float x = static_cast<float>(GET_X_LPARAM(lParam) * TwipsPerPixelX());
    const float y = static_cast<float>(GET_Y_LPARAM(lParam) * TwipsPerPixelY());
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        // Only a left press takes the focus, before the press is handled; the release of any button comes
        // back here wherever the pointer is then.
        if (button == LeftButton && GetFocus() != window_) {
            SetFocus(window_);
        }
        SetCapture(window_);
        command_.MouseDown(button, ShiftState(), x, y);
        return;
    }
    if (HeldButtons(wParam) == 0) {
        ReleaseCapture();
    }
    // Click may close the dialog and destroy this window: nothing may touch it afterwards.
    command_.MouseUp(button, ShiftState(), x, y);
}

void CommandWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (dc == nullptr) {
        return;
    }
    if (command_.Opaque()) {
        image_.Show(dc);
    } else {
        PaintContainerBackground(window_, dc);
    }
    DrawCaption(dc);
    EndPaint(window_, &paint);
}

void CommandWindow::DrawCaption(HDC dc) {
    const CaptionLabel& label = command_.Label();
    if (font_ == nullptr || !(fontMade_ == label.font)) {
        if (font_ != nullptr) {
            DeleteObject(font_);
        }
        font_ = CreateFontFrom(label.font);
        fontMade_ = label.font;
    }
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    RECT rect;
    rect.left = Vantor_B::PixelsFromTwips(label.left, tx);
    rect.top = Vantor_B::PixelsFromTwips(label.top, ty);
    rect.right = rect.left + Vantor_B::PixelsFromTwips(label.width, tx);
    rect.bottom = rect.top + Vantor_B::PixelsFromTwips(CaptionLabel::Height, ty);
    const std::wstring text = ToWide(label.text);
    const HGDIOBJ previousFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    constexpr UINT format = DT_CENTER | DT_NOPREFIX | DT_WORDBREAK;
    if (label.enabled) {
        SetTextColor(dc, ColourOf(label.colour));
    } else {
        // Greyed text: a light copy one pixel down and right under the grey one.
        RECT shadow = rect;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    SelectObject(dc, previousFont);
}

}  // namespace Vantor

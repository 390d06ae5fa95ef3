// The settings dialog's window: the form, its panel, the track box and the four buttons, shown modally.
// Its windows are Unicode ones: every text reaches the screen whatever the system's code page.
#include "vantor_p_win32.h"

#include <windows.h>
#include <windowsx.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "command_window_win32.h"
#include "dialog_child_ids.h"
#include "dialog_resources.h"
#include "dialog_system_win32.h"
#include "font_win32.h"
#include "host_names.h"
#include "host_platform.h"
#include "painted_surface_win32.h"
#include "panel_win32.h"
#include "program_icon.h"
#include "tab_ring.h"
#include "twips_win32.h"
#include "vantor_b.h"
#include "wide_text_win32.h"

namespace Vantor_P {
namespace {

constexpr wchar_t WindowClass[] = L"Vantor_P";
constexpr wchar_t PanelClass[] = L"Vantor_P.Pic_C";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // fixed single border, close box only
constexpr int RepeatListHeight = 200;                                   // pixels of the dropped-down list

// The maker's home page given at build time; without one, the page about Quorrel that is installed
// beside the programs, wherever they are.
std::string HomePage() {
    const std::string address = QUORREL_HOME_PAGE;
    return address.empty() ? Vantor_B::Platform().HostFolder() + Vantor_B::kHomePageFileName : address;
}

Vantor::PropertyBag StoredButton(std::string_view name) {
    Vantor::PropertyBag bag;
    bag.WriteProperty("Caption", std::string(Place(name).caption), Vantor::DefaultCaption);
    return bag;
}

class SettingsWindow : public DialogControls {
  public:
    ~SettingsWindow() override;
    bool Create();
    void RunModal();

    intptr_t WindowHandle() override { return reinterpret_cast<intptr_t>(window_); }
    double ScreenWidth() override { return GetSystemMetrics(SM_CXSCREEN) * Vantor_B::TwipsPerPixelX(); }
    double ScreenHeight() override { return GetSystemMetrics(SM_CYSCREEN) * Vantor_B::TwipsPerPixelY(); }
    double DialogWidth() override;
    double DialogHeight() override;
    void Move(int64_t left, int64_t top) override;
    void ShowMark(int index, Mark mark) override;
    void EnableRepeat(bool enabled) override { EnableWindow(repeat_, enabled); }
    void SetRepeatText(const std::string& text) override { SetWindowTextW(repeat_, ToWide(text).c_str()); }
    void AddRepeatItem(const std::string& text) override;
    std::string RepeatText() override;
    void SetFileCaption(const std::string& text) override;
    void Unload() override { SendMessageW(window_, WM_CLOSE, 0, 0); }
    bool GetCursorPos(int32_t& x, int32_t& y) override { return CursorPosition(x, y); }
    std::optional<std::string> ChooseFile(const std::string& filterDescription,
                                          const std::string& filterPattern, const std::string& title,
                                          uint32_t capacity) override {
        return Vantor_P::ChooseFile(window_, filterDescription, filterPattern, title, capacity);
    }
    size_t CodePageLength(const std::string& text) override { return Vantor_P::CodePageLength(text); }
    void OpenAddress(const std::string& address) override { Vantor_P::OpenAddress(window_, address); }
    void SetMousePointer(MousePointer pointer) override { Vantor_P::SetMousePointer(pointer); }
    void ShowMessage(const std::string& text, const std::string& title) override {
        Vantor_P::ShowMessage(window_, text, title);
    }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PanelMessage(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
    std::unique_ptr<Vantor::CommandWindow> MakeButton(HWND parent, ChildId id, std::string_view name);
    void TabKey(bool backwards);

    // As CreateWindowExW gave them; their messages during creation come with their own handle.
    HWND window_ = nullptr;
    HWND panel_ = nullptr;
    HWND repeat_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the focus when the dialog last lost the activation
    PaintedSurface windowImage_;
    PaintedSurface panelImage_;
    PanelContent content_;
    std::unique_ptr<Vantor::CommandWindow> cmdBgm_, cmdSet_, cmdCan_, cmdEtc_;
    std::unique_ptr<Form> form_;  // last: it refers to the buttons
};

// What the window and the panel answer alike: their painted background (and what lies on it) and the
// screen-wide pointer. Nothing for other messages.
std::optional<LRESULT> SurfaceMessage(HWND window, const PaintedSurface& surface, const PanelContent* content,
                                      UINT message, WPARAM wParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (HDC dc = BeginPaint(window, &paint)) {
                surface.Show(dc);
                if (content != nullptr) {
                    PaintPanelContent(dc, *content);
                }
                EndPaint(window, &paint);
            }
            return 0;
        }
        case WM_PRINTCLIENT:  // a transparent button asks for what lies beneath it
            surface.Show(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SETCURSOR:
            if (!HourglassPointer()) {
                return std::nullopt;
            }
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
            return TRUE;
        default:
            return std::nullopt;
    }
}

bool RegisterClasses(WNDPROC windowProc, WNDPROC panelProc) {
    static const bool registered = [windowProc, panelProc] {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.lpfnWndProc = windowProc;
        form.hInstance = instance;
        form.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        form.hIcon =
            static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON, 32, 32, 0));
        form.hIconSm =
            static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON, 16, 16, 0));
        form.lpszClassName = WindowClass;
        WNDCLASSEXW panel = form;
        panel.lpfnWndProc = panelProc;
        panel.hIcon = panel.hIconSm = nullptr;
        panel.lpszClassName = PanelClass;
        return RegisterClassExW(&form) != 0 && RegisterClassExW(&panel) != 0;
    }();
    return registered;
}

SettingsWindow::~SettingsWindow() {
    form_.reset();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (content_.font != nullptr) {
        DeleteObject(content_.font);
    }
    for (HBITMAP picture : content_.markPictures) {
        if (picture != nullptr) {
            DeleteObject(picture);
        }
    }
}

bool SettingsWindow::Create() {
    if (!RegisterClasses(&SettingsWindow::WindowProc, &SettingsWindow::PanelProc)) {
        return false;
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    content_.font = Vantor::CreateFontFrom(Vantor::DialogFont());
    for (int mark = 0; mark < 2; ++mark) {
        content_.markPictures[static_cast<size_t>(mark)] = static_cast<HBITMAP>(LoadImageA(
            instance, MAKEINTRESOURCEA(kRadioMarkFirst + mark), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }

    const RECT client = PixelRect({0, 0, ClientWidth, ClientHeight});
    RECT outer = client;
    AdjustWindowRectEx(&outer, WindowStyle, FALSE, 0);
    window_ = CreateWindowExW(0, WindowClass, ToWide(Vantor_B::kSettingsDialogTitle).c_str(), WindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        return false;
    }

    const RECT panel = PixelRect(Place("Pic_C").rect);
    panel_ = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, PanelClass, L"", WS_CHILD | WS_VISIBLE,
                             panel.left, panel.top, panel.right - panel.left, panel.bottom - panel.top,
                             window_, nullptr, instance, this);
    const RECT repeat = PixelRect(Place("BGM_Repeat").rect);
    // The text field scrolls, so it takes a whole typed text however narrow it is.
    repeat_ = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        repeat.left, repeat.top, repeat.right - repeat.left, RepeatListHeight, panel_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(RepeatId)), instance, nullptr);
    if (panel_ == nullptr || repeat_ == nullptr) {
        return false;
    }
    SendMessageW(repeat_, WM_SETFONT, reinterpret_cast<WPARAM>(content_.font), FALSE);
    // The text field as high as its place: the frame adds three pixels above and below.
    SendMessageW(repeat_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), repeat.bottom - repeat.top - 6);

    cmdBgm_ = MakeButton(panel_, CmdBgmId, "Cmd_BGM");
    cmdSet_ = MakeButton(window_, CmdSetId, "Cmd_Set");
    cmdCan_ = MakeButton(window_, CmdCanId, "Cmd_Can");
    cmdEtc_ = MakeButton(window_, CmdEtcId, "Cmd_Etc");
    form_ = std::make_unique<Form>(
        *this, Settings{Vantor_B::BgmKind, Vantor_B::BgmRepeatTrack, Vantor_B::BgmFile},
        Buttons{cmdBgm_->Control(), cmdSet_->Control(), cmdCan_->Control(), cmdEtc_->Control()}, HomePage());
    return true;
}

std::unique_ptr<Vantor::CommandWindow> SettingsWindow::MakeButton(HWND parent, ChildId id,
                                                                  std::string_view name) {
    return Vantor::CommandWindow::Create(parent, id, PixelRect(Place(name).rect), Vantor::DialogFont(),
                                         StoredButton(name));
}

void SettingsWindow::RunModal() {
    form_->Form_Load();
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    SetFocus(panel_);  // the panel is first in the tab order
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab is ours: the dialog manager never stops on a panel that holds controls of its own.
        if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && window_ != nullptr &&
            (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
            TabKey(GetKeyState(VK_SHIFT) < 0);
            continue;
        }
        if (window_ != nullptr && IsDialogMessageW(window_, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void SettingsWindow::TabKey(bool backwards) {
    // Labels are painted on the panel and have no window.
    const std::pair<std::string_view, HWND> windows[] = {
        {"Pic_C", panel_},
        {"BGM_Repeat", repeat_},
        {"Cmd_BGM", cmdBgm_->Handle()},
        {"Cmd_Set", cmdSet_->Handle()},
        {"Cmd_Can", cmdCan_->Handle()},
        {"Cmd_Etc", cmdEtc_->Handle()},
    };
    const auto windowOf = [&windows](std::string_view name) -> HWND {
        for (const auto& [control, window] : windows) {
            if (control == name) {
                return window;
            }
        }
        return nullptr;
    };
    // The focus may lie in a part of a control, such as the track box's text field.
    std::string_view current;
    for (HWND focus = GetFocus(); focus != nullptr && current.empty(); focus = GetParent(focus)) {
        for (const auto& [control, window] : windows) {
            if (window == focus) {
                current = control;
            }
        }
    }
    const std::string_view next = NextTabStop(current, backwards, [&windowOf](std::string_view name) {
        const HWND window = windowOf(name);
        return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window);
    });
    if (!next.empty()) {
        SetFocus(windowOf(next));
    }
}

double SettingsWindow::DialogWidth() {
    RECT r{};
    GetWindowRect(window_, &r);
    return (r.right - r.left) * Vantor_B::TwipsPerPixelX();
}

double SettingsWindow::DialogHeight() {
    RECT r{};
    GetWindowRect(window_, &r);
    return (r.bottom - r.top) * Vantor_B::TwipsPerPixelY();
}

void SettingsWindow::Move(int64_t left, int64_t top) {
    const int x = Vantor_B::PixelsFromTwips(static_cast<double>(left), Vantor_B::TwipsPerPixelX());
    const int y = Vantor_B::PixelsFromTwips(static_cast<double>(top), Vantor_B::TwipsPerPixelY());
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsWindow::ShowMark(int index, Mark mark) {
    content_.marks[static_cast<size_t>(index)] = mark;
    const RECT rect = MarkRect(index);
    InvalidateRect(panel_, &rect, FALSE);
}

void SettingsWindow::AddRepeatItem(const std::string& text) {
    SendMessageW(repeat_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

std::string SettingsWindow::RepeatText() {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(repeat_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(repeat_, text.data(), static_cast<int>(text.size()))));
    return FromWide(text);
}

void SettingsWindow::SetFileCaption(const std::string& text) {
    content_.fileCaption = text;
    InvalidateRect(panel_, nullptr, FALSE);
}

// The dialog object comes with the creation message and stays with the window; until then, and for a
// window that has none, the default handling.
SettingsWindow* DialogOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    return reinterpret_cast<SettingsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK SettingsWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SettingsWindow* self = DialogOf(window, message, lParam);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->WindowMessage(window, message, wParam, lParam);
}

LRESULT CALLBACK SettingsWindow::PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    SettingsWindow* self = DialogOf(panel, message, lParam);
    if (self == nullptr) {
        return DefWindowProcW(panel, message, wParam, lParam);
    }
    return self->PanelMessage(panel, message, wParam, lParam);
}

LRESULT SettingsWindow::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto result = SurfaceMessage(window, windowImage_, nullptr, message, wParam)) {
        return *result;
    }
    switch (message) {
        case WM_SIZE:  // Form_Resize
            windowImage_.Paint(window, GradientSurface::Window);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_COMMAND:
            // Enter and Esc reach the form as IDOK and IDCANCEL; its buttons take no keys.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                return 0;
            }
            break;
        case WM_ACTIVATE:  // the focused control keeps the focus while another window is active
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                focus_ = IsChild(window, focus) ? focus : nullptr;
            } else if (IsChild(window, focus_)) {
                SetFocus(focus_);
                return 0;
            }
            break;
        case WM_CLOSE:  // the close box, "設定" and "ｷｬﾝｾﾙ"
            if (form_) {
                form_->Form_Unload();
            }
            DestroyWindow(window);
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            PostQuitMessage(0);
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT SettingsWindow::PanelMessage(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto result = SurfaceMessage(panel, panelImage_, &content_, message, wParam)) {
        return *result;
    }
    switch (message) {
        case WM_SIZE:  // Form_Resize paints the panel after the window
            panelImage_.Paint(panel, GradientSurface::Panel);
            InvalidateRect(panel, nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            SetFocus(panel);
            const POINT pixel{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const int kind = KindAt(pixel);
            if (kind >= 0) {
                const int button = message == WM_LBUTTONDOWN   ? Vantor::LeftButton
                                   : message == WM_RBUTTONDOWN ? Vantor::RightButton
                                                               : Vantor::MiddleButton;
                const RECT mark = MarkRect(kind);
                const float x = static_cast<float>(pixel.x * Vantor_B::TwipsPerPixelX());
                const float y = static_cast<float>(pixel.y * Vantor_B::TwipsPerPixelY());
                if (PtInRect(&mark, pixel)) {
                    form_->Img_BGM_MouseDown(kind, button, 0, x, y);
                } else {
                    form_->lbl_BGM_MouseDown(kind, button, 0, x, y);
                }
            }
            return 0;
        }
        case WM_NCDESTROY:
            panel_ = nullptr;
            break;
    }
    return DefWindowProcW(panel, message, wParam, lParam);
}

}  // namespace
}  // namespace Vantor_P

void ShowSettingsDialog() {
    Vantor_P::SettingsWindow dialog;
    if (dialog.Create()) {
        dialog.RunModal();
    }
}

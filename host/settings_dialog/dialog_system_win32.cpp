#include "dialog_system_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "ansi_text_win32.h"
#include "vantor_b.h"
#include "wide_text_win32.h"

namespace Vantor_P {
namespace {

MousePointer screenPointer = MousePointer::Default;

}  // namespace

bool HourglassPointer() {
    return screenPointer == MousePointer::Hourglass;
}

bool CursorPosition(int32_t& x, int32_t& y) {
    POINT point;
    Vantor_B::LastApiResult = ::GetCursorPos(&point);
    if (Vantor_B::LastApiResult == 0) {
        return false;
    }
    x = point.x;
    y = point.y;
    return true;
}

std::optional<std::string> ChooseFile(HWND owner, const std::string& filterDescription,
                                      const std::string& filterPattern, const std::string& title,
                                      uint32_t capacity) {
    // Description, NUL, pattern, NUL; the string's own terminator ends the list.
    const std::wstring filter = ToWide(filterDescription) + L'\0' + ToWide(filterPattern) + L'\0';
    const std::wstring wideTitle = ToWide(title);
    // The answer in UTF-16: a name the system code page cannot write comes through as it is.
    std::vector<wchar_t> file(capacity + 1, L'\0');
    std::vector<wchar_t> fileTitle(capacity + 1, L'\0');
    OPENFILENAMEW request{};
    // The older, smaller structure: the fields added after it (places bar, flags) are not asked for.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleW(nullptr);
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = file.data();
    request.nMaxFile = capacity;
    request.lpstrFileTitle = fileTitle.data();
    request.nMaxFileTitle = capacity;
    request.lpstrTitle = wideTitle.c_str();
    Vantor_B::LastApiResult = GetOpenFileNameW(&request);
    if (Vantor_B::LastApiResult <= 0) {
        return std::nullopt;
    }
    return FromWide(file.data());
}

size_t CodePageLength(const std::string& text) {
    return ToAnsi(text).size();
}

void OpenAddress(HWND owner, const std::string& address) {
    ShellExecuteW(owner, L"open", ToWide(address).c_str(), L"", L"", SW_SHOWNORMAL);
}

void SetMousePointer(MousePointer pointer) {
    screenPointer = pointer;
    SetCursor(LoadCursorA(
        nullptr, reinterpret_cast<LPCSTR>(pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW)));
}

void ShowMessage(HWND owner, const std::string& text, const std::string& title) {
    // Nothing is left to do when even the message cannot be shown.
    MessageBoxW(owner, ToWide(text).c_str(), ToWide(title).c_str(), MB_OK);
}

}  // namespace Vantor_P

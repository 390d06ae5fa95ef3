// Windows of our own: a parent for programs that embed themselves, and a message box to read.
#include "driver.h"

namespace driver {
namespace {

constexpr wchar_t kParentClass[] = L"QuorrelDriverParent";

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// A visible top-level window with a client area of WIDTH x HEIGHT; it lives until the driver ends.
// "{parent}" in later arguments is its handle in decimal.
bool Parent(const Args& args, Context& context) {
    long long width = 0;
    long long height = 0;
    if (!ParseArg(args[0], width) || !ParseArg(args[1], height)) {
        return false;
    }
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kParentClass;
    if (!RegisterClassW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return Fail("cannot register the parent class");
    }
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE;
    RECT rect = {0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
    AdjustWindowRect(&rect, style, FALSE);
    const std::string title = args.size() > 2 ? args[2] : "Quorrel driver parent";
    HWND window =
        CreateWindowExW(0, kParentClass, ToWide(title).c_str(), style, 40, 40, rect.right - rect.left,
                        rect.bottom - rect.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) {
        return Fail("cannot create the parent window");
    }
    context.parent = window;
    context.lastWindow = window;
    PrintLine(DescribeWindow("parent", window));
    return true;
}

// Blocks until somebody closes the box; for testing the reading side of message boxes.
bool MessageBoxCommand(const Args& args, Context&) {
    const int result =
        MessageBoxW(nullptr, ToWide(args[1]).c_str(), ToWide(args[0]).c_str(), MB_OK | MB_ICONEXCLAMATION);
    PrintLine("messagebox result=" + std::to_string(result));
    return true;
}

const Registration kParent({"parent", "WIDTH HEIGHT [TITLE]   (sets {parent})", 2, 3, Parent});
const Registration kMessageBox({"messagebox", "TITLE TEXT   (shows one and waits for it to close)", 2, 2,
                                MessageBoxCommand});

}  // namespace
}  // namespace driver

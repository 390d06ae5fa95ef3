// Looking at windows of other programs and sending them messages, keys and clicks.
#include "driver.h"

namespace driver {
namespace {

bool ParseMessageArgs(const Args& args, UINT& message, WPARAM& wParam, LPARAM& lParam) {
    long long values[3] = {0, 0, 0};
    for (size_t i = 1; i < args.size(); ++i) {
        if (!ParseArg(args[i], values[i - 1])) {
            return false;
        }
    }
    message = static_cast<UINT>(values[0]);
    wParam = static_cast<WPARAM>(values[1]);
    lParam = static_cast<LPARAM>(values[2]);
    return true;
}

bool WaitWindow(const Args& args, Context& context) {
    long long timeout = 0;
    if (!ParseArg(args[1], timeout)) {
        return false;
    }
    HWND window = nullptr;
    if (!WaitPumping(static_cast<DWORD>(timeout),
                     [&] { return (window = FindWindowBySpec(args[0], context)) != nullptr; })) {
        return Fail("no window " + ToUtf8(args[0]) + " within " + args[1] + " ms");
    }
    context.lastWindow = window;
    PrintLine(DescribeWindow("window", window));
    return true;
}

bool WaitVisible(const Args& args, Context& context) {
    long long timeout = 0;
    if (!ParseArg(args[1], timeout)) {
        return false;
    }
    HWND window = nullptr;
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] {
            window = FindWindowBySpec(args[0], context);
            return window != nullptr && IsWindowVisible(window);
        })) {
        return Fail("no visible window " + ToUtf8(args[0]) + " within " + args[1] + " ms");
    }
    context.lastWindow = window;
    PrintLine(DescribeWindow("window", window));
    return true;
}

bool WaitNoWindow(const Args& args, Context& context) {
    long long timeout = 0;
    if (!ParseArg(args[1], timeout)) {
        return false;
    }
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] { return FindWindowBySpec(args[0], context) == nullptr; })) {
        return Fail("window " + ToUtf8(args[0]) + " still there after " + args[1] + " ms");
    }
    PrintLine("gone " + ToUtf8(args[0]));
    return true;
}

bool Window(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    context.lastWindow = window;
    PrintLine(DescribeWindow("window", window));
    return true;
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
    PrintLine(DescribeWindow("toplevel", window));
    return TRUE;
}

BOOL CALLBACK PrintChild(HWND window, LPARAM) {
    PrintLine(DescribeWindow("child", window));
    return TRUE;
}

bool Windows(const Args&, Context&) {
    EnumWindows(PrintTopLevel, 0);
    return true;
}

bool Children(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    EnumChildWindows(window, PrintChild, 0);
    return true;
}

bool Post(const Args& args, Context& context) {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr || !ParseMessageArgs(args, message, wParam, lParam)) {
        return false;
    }
    if (!PostMessageA(window, message, wParam, lParam)) {
        return Fail("cannot post to " + ToUtf8(args[0]));
    }
    PrintLine("posted " + Hex(message));
    return true;
}

bool Send(const Args& args, Context& context) {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr || !ParseMessageArgs(args, message, wParam, lParam)) {
        return false;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result)) {
        return Fail("no answer from " + ToUtf8(args[0]) + " (error " + std::to_string(GetLastError()) + ")");
    }
    PrintLine("sent " + Hex(message) + " result=" + std::to_string(static_cast<long long>(result)));
    return true;
}

// Posted like the keyboard would: key down, then key up, with the key's scan code.
bool Key(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    for (size_t i = 1; i < args.size(); ++i) {
        long long key = 0;
        if (!ParseArg(args[i], key)) {
            return false;
        }
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
        if (!PostMessageA(window, WM_KEYDOWN, static_cast<WPARAM>(key), 1 | scan) ||
            !PostMessageA(window, WM_KEYUP, static_cast<WPARAM>(key), 1 | scan | (3LL << 30))) {
            return Fail("cannot post keys to " + ToUtf8(args[0]));
        }
    }
    PrintLine("keys " + std::to_string(args.size() - 1));
    return true;
}

// A click at a client position, posted as button down and up.
bool Click(const Args& args, Context& context) {
    long long x = 0;
    long long y = 0;
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr || !ParseArg(args[1], x) || !ParseArg(args[2], y)) {
        return false;
    }
    const bool right = args.size() > 3 && args[3] == "right";
    const LPARAM position = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    if (!PostMessageA(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, position) ||
        !PostMessageA(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, position)) {
        return Fail("cannot post a click to " + ToUtf8(args[0]));
    }
    PrintLine(std::string("clicked ") + (right ? "right" : "left"));
    return true;
}

const Registration kWaitWindow({"wait-window", "WINDOW MS   (prints: window hwnd=... class=... text=...)", 2, 2, WaitWindow});
const Registration kWaitVisible({"wait-visible", "WINDOW MS   (like wait-window, and the window is shown)", 2, 2,
                                WaitVisible});
const Registration kWaitNoWindow({"wait-no-window", "WINDOW MS", 2, 2, WaitNoWindow});
const Registration kWindow({"window", "WINDOW", 1, 1, Window});
const Registration kWindows({"windows", "   (every top-level window, one line each)", 0, 0, Windows});
const Registration kChildren({"children", "WINDOW   (every child window, e.g. a message box's texts)", 1, 1, Children});
const Registration kPost({"post", "WINDOW MESSAGE [WPARAM [LPARAM]]", 2, 4, Post});
const Registration kSend({"send", "WINDOW MESSAGE [WPARAM [LPARAM]]   (prints: sent MSG result=N)", 2, 4, Send});
const Registration kKey({"key", "WINDOW KEY...   (posts key down and up for each key)", 2, 64, Key});
const Registration kClick({"click", "WINDOW X Y [right]", 3, 4, Click});

}  // namespace
}  // namespace driver

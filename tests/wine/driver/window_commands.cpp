// Looking at windows of other programs and sending them messages, keys and clicks.
#include "driver.h"

namespace driver {
namespace {

struct MessageCall {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// WINDOW MESSAGE [WPARAM [LPARAM]]
bool ParseMessageCall(const Args& args, const Context& context, MessageCall& call) {
    call.window = RequireWindow(args[0], context);
    if (call.window == nullptr) {
        return false;
    }
    long long values[3] = {0, 0, 0};
    for (size_t i = 1; i < args.size(); ++i) {
        if (!ParseArg(args[i], values[i - 1])) {
            return false;
        }
    }
    call.message = static_cast<UINT>(values[0]);
    call.wParam = static_cast<WPARAM>(values[1]);
    call.lParam = static_cast<LPARAM>(values[2]);
    return true;
}

// Waits up to args[1] ms until the window named by args[0] (nullptr while there is none) is `ready`.
bool WaitForWindow(const Args& args, Context& context, bool (*ready)(HWND), const std::string& failure,
                   HWND& window) {
    long long timeout = 0;
    if (!ParseArg(args[1], timeout)) {
        return false;
    }
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] {
            window = FindWindowByName(args[0], context);
            return ready(window);
        })) {
        return Fail(failure + " " + args[0] + " after " + args[1] + " ms");
    }
    return true;
}

bool Found(const Args& args, Context& context, bool (*ready)(HWND), const std::string& failure) {
    HWND window = nullptr;
    if (!WaitForWindow(args, context, ready, failure, window)) {
        return false;
    }
    context.lastWindow = window;
    PrintLine(DescribeWindow("window", window));
    return true;
}

bool WaitWindow(const Args& args, Context& context) {
    return Found(
        args, context, [](HWND window) { return window != nullptr; }, "no window");
}

bool WaitVisible(const Args& args, Context& context) {
    return Found(
        args, context, [](HWND window) { return window != nullptr && IsWindowVisible(window) != FALSE; },
        "no visible window");
}

bool WaitNoWindow(const Args& args, Context& context) {
    HWND window = nullptr;
    if (!WaitForWindow(
            args, context, [](HWND found) { return found == nullptr; }, "still a window", window)) {
        return false;
    }
    PrintLine("gone " + args[0]);
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

// WINDOW TITLE MS: waits for a child window titled TITLE inside WINDOW (e.g. a preview in its parent)
// that meets the condition.
bool FoundChild(const Args& args, Context& context, bool (*meets)(HWND child), const char* missing) {
    long long timeout = 0;
    HWND parent = RequireWindow(args[0], context);
    if (parent == nullptr || !ParseArg(args[2], timeout)) {
        return false;
    }
    HWND child = nullptr;
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] {
            child = FindWindowExW(parent, nullptr, nullptr, ToWide(args[1]).c_str());
            return child != nullptr && meets(child);
        })) {
        return Fail(std::string(missing) + " " + args[1] + " in " + args[0] + " after " + args[2] + " ms");
    }
    context.lastWindow = child;
    PrintLine(DescribeWindow("child", child));
    return true;
}

bool WaitChild(const Args& args, Context& context) {
    return FoundChild(
        args, context, [](HWND) { return true; }, "no child");
}

// A window is made before it is shown: what must be seen waits for the showing.
bool WaitVisibleChild(const Args& args, Context& context) {
    return FoundChild(
        args, context, [](HWND child) { return IsWindowVisible(child) != FALSE; }, "no visible child");
}

bool Post(const Args& args, Context& context) {
    MessageCall call;
    if (!ParseMessageCall(args, context, call)) {
        return false;
    }
    if (!PostMessageA(call.window, call.message, call.wParam, call.lParam)) {
        return Fail("cannot post to " + args[0]);
    }
    PrintLine("posted " + Hex(call.message));
    return true;
}

bool Send(const Args& args, Context& context) {
    MessageCall call;
    if (!ParseMessageCall(args, context, call)) {
        return false;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(call.window, call.message, call.wParam, call.lParam, SMTO_NORMAL, 5000,
                             &result)) {
        return Fail("no answer from " + args[0] + " (error " + std::to_string(GetLastError()) + ")");
    }
    PrintLine("sent " + Hex(call.message) + " result=" + std::to_string(static_cast<long long>(result)));
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
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC))
                            << 16;
        if (!PostMessageA(window, WM_KEYDOWN, static_cast<WPARAM>(key), 1 | scan) ||
            !PostMessageA(window, WM_KEYUP, static_cast<WPARAM>(key), 1 | scan | (3LL << 30))) {
            return Fail("cannot post keys to " + args[0]);
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
    if (!PostMessageA(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
                      position) ||
        !PostMessageA(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, position)) {
        return Fail("cannot post a click to " + args[0]);
    }
    PrintLine(std::string("clicked ") + (right ? "right" : "left"));
    return true;
}

const Registration kWaitWindow({"wait-window", "WINDOW MS   (prints: window hwnd=... class=... text=...)", 2,
                                2, WaitWindow});
const Registration kWaitVisible({"wait-visible", "WINDOW MS   (like wait-window, and the window is shown)", 2,
                                 2, WaitVisible});
const Registration kWaitNoWindow({"wait-no-window", "WINDOW MS", 2, 2, WaitNoWindow});
const Registration kWindow({"window", "WINDOW", 1, 1, Window});
const Registration kWindows({"windows", "   (every top-level window, one line each)", 0, 0, Windows});
const Registration kChildren({"children", "WINDOW   (every child window, e.g. a message box's texts)", 1, 1,
                              Children});
const Registration kWaitChild({"wait-child", "WINDOW TITLE MS   (prints: child hwnd=... of the child found)",
                               3, 3, WaitChild});
const Registration kWaitVisibleChild({"wait-visible-child",
                                      "WINDOW TITLE MS   (like wait-child, and the child is shown)", 3, 3,
                                      WaitVisibleChild});
const Registration kPost({"post", "WINDOW MESSAGE [WPARAM [LPARAM]]", 2, 4, Post});
const Registration kSend({"send", "WINDOW MESSAGE [WPARAM [LPARAM]]   (prints: sent MSG result=N)", 2, 4,
                          Send});
const Registration kKey({"key", "WINDOW KEY...   (posts key down and up for each key)", 2, 64, Key});
const Registration kClick({"click", "WINDOW X Y [right]", 3, 4, Click});

}  // namespace
}  // namespace driver

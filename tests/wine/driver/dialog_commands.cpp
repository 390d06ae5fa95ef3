// The settings dialog seen from outside: where a client area lies on the screen (for pointing the real
// mouse at it), what an edit field holds now, which control has the focus and which the mouse capture.
#include "driver.h"

namespace driver {
namespace {

bool ClientOrigin(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    POINT origin{0, 0};
    RECT client{};
    if (!ClientToScreen(window, &origin) || !GetClientRect(window, &client)) {
        return Fail("no client area");
    }
    PrintLine("client-origin x=" + std::to_string(origin.x) + " y=" + std::to_string(origin.y) +
              " width=" + std::to_string(client.right) + " height=" + std::to_string(client.bottom));
    return true;
}

// Asks the window itself: another program's edit field keeps no caption of its own.
bool CurrentText(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    char text[1024] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 5000, &length)) {
        return Fail("no answer to WM_GETTEXT");
    }
    PrintLine("current-text text=" + FromAnsi(std::string(text, length)));
    return true;
}

// The input state of the thread of the window named by the argument; false (printed) when there is none.
bool ThreadInfo(const Args& args, const Context& context, GUITHREADINFO& info) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    info = GUITHREADINFO{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return Fail("no thread information");
    }
    return true;
}

// The focus as the control id of the window that has it (0 for none).
bool Focus(const Args& args, Context& context) {
    GUITHREADINFO info;
    if (!ThreadInfo(args, context, info)) {
        return false;
    }
    PrintLine("focus id=" + std::to_string(info.hwndFocus != nullptr ? GetDlgCtrlID(info.hwndFocus) : 0));
    return true;
}

// The focus as a whole window line, for controls that share an id (a panel, a combo box's text field).
bool Focused(const Args& args, Context& context) {
    GUITHREADINFO info;
    if (!ThreadInfo(args, context, info)) {
        return false;
    }
    PrintLine(info.hwndFocus != nullptr ? DescribeWindow("focused", info.hwndFocus) : "focused none");
    return true;
}

// The window that has captured the mouse, as its control id (0 for none): it shows that a press has been
// handled even when the press changes nothing to be seen.
bool Capture(const Args& args, Context& context) {
    GUITHREADINFO info;
    if (!ThreadInfo(args, context, info)) {
        return false;
    }
    PrintLine("capture id=" +
              std::to_string(info.hwndCapture != nullptr ? GetDlgCtrlID(info.hwndCapture) : 0));
    return true;
}

const Registration kClientOrigin({"client-origin", "WINDOW", 1, 1, ClientOrigin});
const Registration kCurrentText({"current-text", "WINDOW", 1, 1, CurrentText});
const Registration kFocus({"focus", "WINDOW   (prints: focus id=N)", 1, 1, Focus});
const Registration kCapture({"capture", "WINDOW   (prints: capture id=N)", 1, 1, Capture});
const Registration kFocused({"focused", "WINDOW   (prints: focused hwnd=.. or focused none)", 1, 1, Focused});

}  // namespace
}  // namespace driver

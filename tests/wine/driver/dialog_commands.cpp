// The settings dialog seen from outside: where a client area lies on the screen (for pointing the real
// mouse at it), its controls' ids, what an edit field holds now, and which control has the focus or
// the mouse capture.
#include "dialog_child_ids.h"
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

// The dialog's controls by their names in the form, so that tests hold no copy of the numbers.
bool ChildIds(const Args&, Context&) {
    using namespace Vantor_P;
    PrintLine("child-ids BGM_Repeat=" + std::to_string(RepeatId) + " Cmd_BGM=" + std::to_string(CmdBgmId) +
              " Cmd_Set=" + std::to_string(CmdSetId) + " Cmd_Can=" + std::to_string(CmdCanId) +
              " Cmd_Etc=" + std::to_string(CmdEtcId));
    return true;
}

// Asks the window itself: another program's edit field keeps no caption of its own. Wide, so the text
// comes as the program holds it, whatever the system's code page can write; UTF-8 here.
bool ReadText(HWND window, std::string& text) {
    wchar_t buffer[1024] = L"";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             5000, &length)) {
        return Fail("no answer to WM_GETTEXT");
    }
    text = FromWide(std::wstring(buffer, length));
    return true;
}

bool CurrentText(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    std::string text;
    if (window == nullptr || !ReadText(window, text)) {
        return false;
    }
    PrintLine("current-text text=" + text);
    return true;
}

// WINDOW TEXT MS: waits until the window holds TEXT, e.g. once typed keys have all arrived.
bool WaitText(const Args& args, Context& context) {
    long long timeout = 0;
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr || !ParseArg(args[2], timeout)) {
        return false;
    }
    std::string text;
    bool readable = true;
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] {
            readable = ReadText(window, text);
            return !readable || text == args[1];
        })) {
        return Fail("text " + text + " after " + args[2] + " ms");
    }
    if (!readable) {
        return false;
    }
    PrintLine("current-text text=" + text);
    return true;
}

bool ThreadInfo(HWND window, GUITHREADINFO& info) {
    info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) != FALSE ||
           Fail("no thread information");
}

// The control id of a window of the thread's input state (0 for none).
int IdOf(HWND control) {
    return control != nullptr ? GetDlgCtrlID(control) : 0;
}

// The keyboard focus of the window's thread, as the control id of the window that has it (0 for none).
bool Focus(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    GUITHREADINFO info;
    if (window == nullptr || !ThreadInfo(window, info)) {
        return false;
    }
    PrintLine("focus id=" + std::to_string(IdOf(info.hwndFocus)));
    return true;
}

// WINDOW MS: waits until keys go to WINDOW: its top-level window is in the foreground and the focus
// is on it or inside it. Prints the focused window's line.
bool WaitFocus(const Args& args, Context& context) {
    long long timeout = 0;
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr || !ParseArg(args[1], timeout)) {
        return false;
    }
    GUITHREADINFO info{};
    bool readable = true;
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] {
            readable = ThreadInfo(window, info);
            return !readable || (GetForegroundWindow() == GetAncestor(window, GA_ROOT) &&
                                 (info.hwndFocus == window || IsChild(window, info.hwndFocus)));
        })) {
        return Fail("no focus in " + args[0] + " after " + args[1] + " ms");
    }
    if (!readable) {
        return false;
    }
    PrintLine(DescribeWindow("focus", info.hwndFocus));
    return true;
}

// WINDOW ID MS: waits until the control with that id holds the mouse capture of the window's thread
// (0: nobody), e.g. until a button has taken in a release.
bool WaitCapture(const Args& args, Context& context) {
    long long id = 0;
    long long timeout = 0;
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr || !ParseArg(args[1], id) || !ParseArg(args[2], timeout)) {
        return false;
    }
    GUITHREADINFO info{};
    bool readable = true;
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] {
            readable = ThreadInfo(window, info);
            return !readable || IdOf(info.hwndCapture) == id;
        })) {
        return Fail("capture id=" + std::to_string(IdOf(info.hwndCapture)) + " after " + args[2] + " ms");
    }
    if (!readable) {
        return false;
    }
    PrintLine("capture id=" + std::to_string(IdOf(info.hwndCapture)));
    return true;
}

// The focus as a whole window line, for controls that share an id (a panel, a combo box's text field).
bool Focused(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    GUITHREADINFO info;
    if (window == nullptr || !ThreadInfo(window, info)) {
        return false;
    }
    PrintLine(info.hwndFocus != nullptr ? DescribeWindow("focused", info.hwndFocus) : "focused none");
    return true;
}

// The window that has captured the mouse, as its control id (0 for none): it shows that a press has been
// handled even when the press changes nothing to be seen.
bool Capture(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    GUITHREADINFO info;
    if (window == nullptr || !ThreadInfo(window, info)) {
        return false;
    }
    PrintLine("capture id=" + std::to_string(IdOf(info.hwndCapture)));
    return true;
}

const Registration kClientOrigin({"client-origin", "WINDOW", 1, 1, ClientOrigin});
const Registration kChildIds({"child-ids", "   (prints: child-ids BGM_Repeat=N Cmd_BGM=N ...)", 0, 0,
                              ChildIds});
const Registration kCurrentText({"current-text", "WINDOW", 1, 1, CurrentText});
const Registration kWaitText({"wait-text", "WINDOW TEXT MS   (prints: current-text text=...)", 3, 3,
                              WaitText});
const Registration kFocus({"focus", "WINDOW   (prints: focus id=N)", 1, 1, Focus});
const Registration kWaitFocus({"wait-focus", "WINDOW MS   (prints: focus hwnd=... of the focused window)", 2,
                               2, WaitFocus});
const Registration kFocused({"focused", "WINDOW   (prints: focused hwnd=.. or focused none)", 1, 1, Focused});
const Registration kCapture({"capture", "WINDOW   (prints: capture id=N)", 1, 1, Capture});
const Registration kWaitCapture({"wait-capture", "WINDOW ID MS   (0: no capture; prints: capture id=N)", 3, 3,
                                 WaitCapture});

}  // namespace
}  // namespace driver

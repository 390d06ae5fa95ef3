#pragma once
// The Windows-side half of the Wine test bench: a console program that runs a list of commands
// ("start", "wait-window", "post", ...) separated by "--" and prints one plain text line per result.
//
// Each source file of this folder adds its commands with a static `driver::Registration`; nothing
// else needs editing. Texts from the command line arrive in UTF-8, read wide, so that any character
// reaches the driver whatever the system's code page; printed texts are UTF-8 too, and window texts are
// read wide.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ansi_text_win32.h"
#include "wide_text_win32.h"

namespace driver {

using Args = std::vector<std::string>;

// What the commands of one driver run share.
struct Context {
    HANDLE process = nullptr;  // the program started or attached last
    DWORD processId = 0;
    HWND lastWindow = nullptr;  // the window found last
    HWND parent = nullptr;      // the window made by "parent"
};

// Returns false when the command failed; it has printed "error <reason>" by then (use Fail).
using Handler = std::function<bool(const Args& args, Context& context)>;

struct Command {
    const char* name;
    const char* usage;  // arguments, for the help text
    size_t minArgs;
    size_t maxArgs;
    Handler run;
};

// Adds a command to the driver; used as a static object in the file that implements it.
struct Registration {
    explicit Registration(Command command);
};

// Output. Every line is flushed at once so shell tests can follow a running driver.
void PrintLine(const std::string& utf8Line);
bool Fail(const std::string& utf8Reason);

// Numbers: decimal, 0x-hex, or a name from the table in output.cpp (WM_CLOSE, SC_CLOSE, VK_ESCAPE...).
bool ParseNumber(const std::string& text, long long& value);
// Like ParseNumber, but prints an error naming the argument when the text is not a number.
bool ParseArg(const std::string& text, long long& value);
std::string Hex(unsigned long long value);

// Window specs: a title ("Vantor_Render"), "class=NAME", "hwnd=0x1234" (or decimal), or "last"
// for the window found last. Returns nullptr when there is no such top-level window.
HWND FindWindowByName(const std::string& which, const Context& context);
// Like FindWindowByName, but prints an error when the window is missing.
HWND RequireWindow(const std::string& which, const Context& context);
// "<kind> hwnd=... class=... style=... ... text=..." for one window.
std::string DescribeWindow(const char* kind, HWND window);

// Waits up to `milliseconds` for `done`, handling this program's own window messages meanwhile (the
// "parent" window must answer other programs while we wait). Returns whether `done` became true.
bool WaitPumping(DWORD milliseconds, const std::function<bool()>& done);

}  // namespace driver

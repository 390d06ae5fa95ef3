// Commands for the host's tests: holding the window a preview lives in until the test has looked at
// it, then taking it away; reading the clock between steps.
#include "driver.h"

namespace driver {
namespace {

// Destroys the window made by "parent", as the display settings do when their preview goes.
bool DestroyParent(const Args&, Context& context) {
    if (context.parent == nullptr) {
        return Fail("no parent window");
    }
    if (!DestroyWindow(context.parent)) {
        return Fail("cannot destroy the parent window (error " + std::to_string(GetLastError()) + ")");
    }
    context.parent = nullptr;
    PrintLine("parent destroyed");
    return true;
}

// Waits, answering our windows meanwhile, until the test script makes the file FILE.
bool WaitFile(const Args& args, Context&) {
    long long timeout = 0;
    if (!ParseArg(args[1], timeout)) {
        return false;
    }
    const auto exists = [&] {
        return GetFileAttributesW(ToWide(args[0]).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    if (!WaitPumping(static_cast<DWORD>(timeout), exists)) {
        return Fail("no file " + args[0] + " after " + args[1] + " ms");
    }
    PrintLine("file found");
    return true;
}

// The system's millisecond clock, for how long the steps between two readings took.
bool Clock(const Args&, Context&) {
    PrintLine("clock ms=" + std::to_string(GetTickCount64()));
    return true;
}

const Registration kClock({"clock", "   (prints: clock ms=N)", 0, 0, Clock});
const Registration kWaitFile({"wait-file", "FILE MS   (pumps our messages until FILE exists)", 2, 2,
                              WaitFile});
const Registration kDestroyParent({"destroy-parent", "   (destroys the window made by \"parent\")", 0, 0,
                                   DestroyParent});

}  // namespace
}  // namespace driver

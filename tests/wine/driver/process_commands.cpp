// Starting a program, holding on to its process, and reading how it ended.
#include "driver.h"

namespace driver {
namespace {

void Adopt(Context& context, HANDLE process, DWORD processId) {
    if (context.process != nullptr) {
        CloseHandle(context.process);
    }
    context.process = process;
    context.processId = processId;
}

bool HasProcess(const Context& context) {
    return context.process != nullptr || Fail("no program started or attached");
}

bool Ended(const Context& context) {
    return WaitForSingleObject(context.process, 0) == WAIT_OBJECT_0;
}

unsigned long ExitCode(const Context& context) {
    DWORD code = 0;
    if (!GetExitCodeProcess(context.process, &code)) {
        code = 0xFFFFFFFF;
    }
    return code;
}

// The program is always the application name too, so the command line reaches it exactly as built.
bool StartProgram(const Args& args, Context& context, bool quoteProgram) {
    std::string commandLine = quoteProgram ? "\"" + args[0] + "\"" : args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        commandLine += " " + args[i];
    }
    std::wstring wideCommandLine = ToWide(commandLine);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(ToWide(args[0]).c_str(), wideCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return Fail("cannot start " + args[0] + " (error " + std::to_string(GetLastError()) + ")");
    }
    CloseHandle(info.hThread);
    Adopt(context, info.hProcess, info.dwProcessId);
    PrintLine("started pid=" + std::to_string(info.dwProcessId));
    return true;
}

bool Start(const Args& args, Context& context) {
    return StartProgram(args, context, true);
}

// As Windows starts a screen saver: the setting's path with the switch appended, blanks and all.
bool StartUnquoted(const Args& args, Context& context) {
    return StartProgram(args, context, false);
}

bool Attach(const Args& args, Context& context) {
    HWND window = RequireWindow(args[0], context);
    if (window == nullptr) {
        return false;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, processId);
    if (process == nullptr) {
        return Fail("cannot open process " + std::to_string(processId));
    }
    Adopt(context, process, processId);
    context.lastWindow = window;
    PrintLine("attached pid=" + std::to_string(processId));
    return true;
}

bool WaitExit(const Args& args, Context& context) {
    long long timeout = 0;
    if (!HasProcess(context) || !ParseArg(args[0], timeout)) {
        return false;
    }
    if (!WaitPumping(static_cast<DWORD>(timeout), [&] { return Ended(context); })) {
        return Fail("process " + std::to_string(context.processId) + " still running after " + args[0] +
                    " ms");
    }
    PrintLine("exit code=" + std::to_string(ExitCode(context)));
    return true;
}

bool Alive(const Args& args, Context& context) {
    long long duration = 0;
    if (!HasProcess(context) || !ParseArg(args[0], duration)) {
        return false;
    }
    if (WaitPumping(static_cast<DWORD>(duration), [&] { return Ended(context); })) {
        return Fail("process ended with code " + std::to_string(ExitCode(context)));
    }
    PrintLine("alive pid=" + std::to_string(context.processId));
    return true;
}

bool Terminate(const Args&, Context& context) {
    if (!HasProcess(context)) {
        return false;
    }
    if (!Ended(context) && !TerminateProcess(context.process, 1)) {
        return Fail("cannot terminate process " + std::to_string(context.processId));
    }
    WaitForSingleObject(context.process, 5000);
    PrintLine("terminated pid=" + std::to_string(context.processId));
    return true;
}

const Registration kStart({"start", "PROGRAM [ARG...]   (arguments joined by single spaces, unquoted)", 1, 64,
                           Start});
const Registration kStartUnquoted({"start-unquoted",
                                   "PROGRAM [ARG...]   (the same, the program's path unquoted as well)", 1,
                                   64, StartUnquoted});
const Registration kAttach({"attach", "WINDOW   (the process owning the window becomes the current one)", 1,
                            1, Attach});
const Registration kWaitExit({"wait-exit", "MS   (prints: exit code=N)", 1, 1, WaitExit});
const Registration kAlive({"alive", "MS   (fails if the process ends within MS)", 1, 1, Alive});
const Registration kTerminate({"terminate", "", 0, 0, Terminate});

}  // namespace
}  // namespace driver

// Ending whatever a test left running, so the next test starts on an empty desktop.
#include "driver.h"
// tlhelp32.h needs windows.h (through driver.h) before it.
#include <tlhelp32.h>

namespace driver {
namespace {

// Wine's own background programs, which belong to the prefix and not to any test, and the drivers
// (the bench's desktop keeper; a test's own drivers are ended by the test script).
constexpr const char* kBenchProcesses[] = {
    "services.exe", "winedevice.exe", "plugplay.exe", "svchost.exe",         "explorer.exe",      "rpcss.exe",
    "conhost.exe",  "start.exe",      "wineboot.exe", "winemenubuilder.exe", "quorrel-driver.exe"};

bool IsBenchProcess(const char* name) {
    for (const char* bench : kBenchProcesses) {
        if (_stricmp(name, bench) == 0) {
            return true;
        }
    }
    return false;
}

bool EndPrograms(const Args&, Context&) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return Fail("cannot list processes");
    }
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId() || entry.th32ProcessID == 0 ||
            IsBenchProcess(entry.szExeFile)) {
            continue;
        }
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (process == nullptr) {
            continue;
        }
        if (TerminateProcess(process, 1)) {
            WaitForSingleObject(process, 5000);
            PrintLine("ended pid=" + std::to_string(entry.th32ProcessID) +
                      " name=" + FromAnsi(entry.szExeFile));
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return true;
}

const Registration kEndPrograms({"end-programs",
                                 "   (terminates every program but Wine's own and the drivers)", 0, 0,
                                 EndPrograms});

}  // namespace
}  // namespace driver

#include "host_platform_win32.h"

#include <windows.h>

#include <vector>

#include "ansi_text_win32.h"
#include "argument_text.h"
#include "twips_win32.h"
#include "wide_text_win32.h"
#include "window_handle_win32.h"

namespace {

// Long enough for any program start; one that never shows its window is caught by the caller's watch.
constexpr DWORD kWindowWaitMs = 10000;
// How often the started program is looked at meanwhile.
constexpr DWORD kWindowPollMs = 15;

RECT RectOf(const Vantor_B::WindowRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The running program's path in the system code page; empty when it cannot be read.
std::string ProgramPath() {
    std::vector<char> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            return std::string(name.data(), length);
        }
        name.resize(name.size() * 2);
    }
}

// The short (8.3) form of an existing path; empty when the system gives none.
std::string ShortPath(const std::string& path) {
    const DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::vector<char> name(size);
    const DWORD length = GetShortPathNameA(path.c_str(), name.data(), size);
    return length == 0 || length >= size ? std::string() : std::string(name.data(), length);
}

}  // namespace

std::string Win32HostPlatform::ArgumentText() {
    const std::string program = ProgramPath();
    return Vantor_B::ArgumentsAfterProgramName(FromAnsi(GetCommandLineA()),
                                               {FromAnsi(program), FromAnsi(ShortPath(program))});
}

std::string Win32HostPlatform::HostFolder() {
    const std::string path = FromAnsi(ProgramPath());
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool Win32HostPlatform::TopLevelWindowExists(const std::string& title) {
    return FindWindowW(nullptr, ToWide(title).c_str()) != nullptr;
}

bool Win32HostPlatform::IsWindow(intptr_t window) {
    return ::IsWindow(WindowOf(window)) != FALSE;
}

bool Win32HostPlatform::GetWindowRect(intptr_t window, Vantor_B::WindowRect& rect) {
    RECT area;
    if (!::GetWindowRect(WindowOf(window), &area)) {
        return false;
    }
    rect = {area.left, area.top, area.right, area.bottom};
    return true;
}

void Win32HostPlatform::DrawAnimatedRects(intptr_t window, int32_t animation,
                                          const Vantor_B::WindowRect& from, const Vantor_B::WindowRect& to) {
    const RECT fromRect = RectOf(from);
    const RECT toRect = RectOf(to);
    ::DrawAnimatedRects(WindowOf(window), animation, &fromRect, &toRect);
}

double Win32HostPlatform::TwipsPerPixelX() {
    return Vantor_B::TwipsPerPixelX();
}

double Win32HostPlatform::TwipsPerPixelY() {
    return Vantor_B::TwipsPerPixelY();
}

int32_t Win32HostPlatform::ShowCursor(bool show) {
    return ::ShowCursor(show ? TRUE : FALSE);
}

void Win32HostPlatform::ShowMessage(const std::string& text, const std::string& title) {
    // Nothing is left to do when even the message cannot be shown.
    MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(), MB_OK);
}

bool Win32HostPlatform::CanOpenForReading(const std::string& path) {
    HANDLE file = CreateFileA(ToAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

std::string Win32HostPlatform::ReadProfileValue(const std::string& section, const std::string& key,
                                                const std::string& path, uint32_t bufferSize) {
    std::vector<char> value(bufferSize, '\0');
    GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), "", value.data(), bufferSize,
                             ToAnsi(path).c_str());
    return FromAnsi(value.data());
}

int32_t Win32HostPlatform::WriteProfileValue(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& path) {
    return WritePrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), ToAnsi(value).c_str(),
                                      ToAnsi(path).c_str());
}

void Win32HostPlatform::StartProgram(const std::string& path, const std::string& windowTitle) {
    const std::string program = ToAnsi(path);
    // The quoted name alone: the program sees no arguments, and a folder with blanks still works.
    std::string commandLine = '"' + program + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return;
    }
    // Polled, not WaitForInputIdle: a program whose loop only peeks its own window's messages never
    // counts as idle. Our own messages wait meanwhile, so no timer of ours can run before the window.
    const std::string title = ToAnsi(windowTitle);
    const DWORD start = GetTickCount();
    while (FindWindowA(nullptr, title.c_str()) == nullptr && GetTickCount() - start < kWindowWaitMs) {
        if (WaitForSingleObject(process.hProcess, kWindowPollMs) != WAIT_TIMEOUT) {
            break;
        }
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool Win32HostPlatform::StartTimer(intptr_t window, int id, uint32_t intervalMs) {
    return SetTimer(WindowOf(window), static_cast<UINT_PTR>(id), intervalMs, nullptr) != 0;
}

void Win32HostPlatform::StopTimer(intptr_t window, int id) {
    KillTimer(WindowOf(window), static_cast<UINT_PTR>(id));
}

void Win32HostPlatform::EndProcess() {
    ExitProcess(0);
}

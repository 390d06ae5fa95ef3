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

// The running program's path; empty when it cannot be read.
std::wstring ProgramPath() {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            return std::wstring(name.data(), length);
        }
        name.resize(name.size() * 2);
    }
}

// What one of GetShortPathNameW and GetLongPathNameW makes of an existing path; empty when it fails.
using PathConversion = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
std::wstring ConvertedPath(PathConversion convert, const std::wstring& path) {
    const DWORD size = convert(path.c_str(), nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::vector<wchar_t> name(size);
    const DWORD length = convert(path.c_str(), name.data(), size);
    return length == 0 || length >= size ? std::wstring() : std::wstring(name.data(), length);
}

std::wstring ShortPath(const std::wstring& path) {
    return ConvertedPath(&GetShortPathNameW, path);
}

// A file still to be made (the first settings file) has no short form of its own: its folder's then.
std::wstring ShortPathToBe(const std::wstring& path) {
    const std::wstring whole = ShortPath(path);
    const size_t slash = path.find_last_of(L'\\');
    if (!whole.empty() || slash == std::wstring::npos) {
        return whole;
    }
    const std::wstring folder = ShortPath(path.substr(0, slash));
    return folder.empty() ? std::wstring() : folder + path.substr(slash);
}

bool CodePageWrites(const std::string& text) {
    return FromAnsi(ToAnsi(text)) == text;
}

std::optional<std::string> PathForCodePage(const std::string& path) {
    if (CodePageWrites(path)) {
        return path;
    }
    const std::string shortPath = FromWide(ShortPathToBe(ToWide(path)));
    if (shortPath.empty() || !CodePageWrites(shortPath)) {
        return std::nullopt;
    }
    return shortPath;
}

// Where the path has no form the code page writes, the mangled one: the call then fails as for a
// missing file.
std::string ProfilePath(const std::string& path) {
    return ToAnsi(PathForCodePage(path).value_or(path));
}

}  // namespace

std::string Win32HostPlatform::ArgumentText() {
    const std::wstring program = ProgramPath();
    return Vantor_B::ArgumentsAfterProgramName(FromWide(GetCommandLineW()),
                                               {FromWide(program), FromWide(ShortPath(program))});
}

std::string Win32HostPlatform::HostFolder() {
    const std::string path = FromWide(ProgramPath());
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
    HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

std::optional<std::string> Win32HostPlatform::CodePagePath(const std::string& path) {
    return PathForCodePage(path);
}

std::string Win32HostPlatform::LongPath(const std::string& path) {
    const std::wstring longPath = ConvertedPath(&GetLongPathNameW, ToWide(path));
    return longPath.empty() ? path : FromWide(longPath);
}

std::string Win32HostPlatform::ReadProfileValue(const std::string& section, const std::string& key,
                                                const std::string& path, uint32_t bufferSize) {
    std::vector<char> value(bufferSize, '\0');
    GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), "", value.data(), bufferSize,
                             ProfilePath(path).c_str());
    return FromAnsi(value.data());
}

int32_t Win32HostPlatform::WriteProfileValue(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& path) {
    return WritePrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), ToAnsi(value).c_str(),
                                      ProfilePath(path).c_str());
}

void Win32HostPlatform::StartProgram(const std::string& path, const std::string& windowTitle) {
    const std::wstring program = ToWide(path);
    // The quoted name alone: the program sees no arguments, and a folder with blanks still works.
    std::wstring commandLine = L'"' + program + L'"';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
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

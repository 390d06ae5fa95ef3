#include "fake_host_platform.h"

namespace host_test {

bool FakeHostPlatform::TopLevelWindowExists(const std::string& title) {
    calls.push_back("FindWindow " + title);
    return windows.count(title) != 0;
}

namespace {

std::string RectText(const Vantor_B::WindowRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

}  // namespace

bool FakeHostPlatform::GetWindowRect(intptr_t window, Vantor_B::WindowRect& rect) {
    if (windowHandles.count(window) == 0) {
        return false;
    }
    rect = parentRect;
    return true;
}

void FakeHostPlatform::DrawAnimatedRects(intptr_t window, int32_t animation, const Vantor_B::WindowRect& from,
                                         const Vantor_B::WindowRect& to) {
    calls.push_back("DrawAnimatedRects " + std::to_string(window) + " " + std::to_string(animation) + " " +
                    RectText(from) + " -> " + RectText(to));
}

int32_t FakeHostPlatform::ShowCursor(bool show) {
    cursorCount += show ? 1 : -1;
    calls.push_back(show ? "ShowCursor TRUE" : "ShowCursor FALSE");
    return cursorCount;
}

void FakeHostPlatform::ShowMessage(const std::string& text, const std::string& title) {
    calls.push_back("MessageBox " + title + ": " + text);
}

bool FakeHostPlatform::CanOpenForReading(const std::string& path) {
    calls.push_back("Open " + path);
    return readableFiles.count(path) != 0;
}

std::optional<std::string> FakeHostPlatform::CodePagePath(const std::string& path) {
    const auto found = codePagePaths.find(path);
    return found == codePagePaths.end() ? path : found->second;
}

std::string FakeHostPlatform::LongPath(const std::string& path) {
    const auto found = longPaths.find(path);
    return found == longPaths.end() ? path : found->second;
}

std::string FakeHostPlatform::ReadProfileValue(const std::string& section, const std::string& key,
                                               const std::string& path, uint32_t bufferSize) {
    const auto found = profile.find(section + "|" + key + "|" + path);
    if (found == profile.end()) {
        return {};
    }
    // The platform fills at most bufferSize - 1 bytes and a NUL.
    const std::string value = found->second.substr(0, bufferSize - 1);
    return value.substr(0, value.find('\0'));
}

int32_t FakeHostPlatform::WriteProfileValue(const std::string& section, const std::string& key,
                                            const std::string& value, const std::string& path) {
    calls.push_back("WriteProfile " + path + " " + section + " " + key + "=" + value);
    if (key == failingKey) {
        return 0;
    }
    profile[section + "|" + key + "|" + path] = value;
    return writeResult;
}

// One form has timers: its window is left out of the lines.
bool FakeHostPlatform::StartTimer(intptr_t, int id, uint32_t intervalMs) {
    calls.push_back("StartTimer" + std::to_string(id) + " " + std::to_string(intervalMs));
    return timersWork;
}

void FakeHostPlatform::StopTimer(intptr_t, int id) {
    calls.push_back("StopTimer" + std::to_string(id));
}

}  // namespace host_test

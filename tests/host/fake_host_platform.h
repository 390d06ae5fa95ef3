#pragma once
// A host platform that records every call as a line of text and answers from plain fields.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host_platform.h"

namespace host_test {

struct FakeHostPlatform : Vantor_B::HostPlatform {
    std::string argumentText;
    std::string hostFolder = "C:\\Saver";
    std::set<std::string> windows;  // titles of existing top-level windows
    std::set<intptr_t> windowHandles;
    Vantor_B::WindowRect parentRect;  // the rectangle of every window in windowHandles
    double twipsPerPixel = 15;
    int32_t cursorCount = 0;
    std::set<std::string> readableFiles;
    // A path's form for the code-page functions where it is not the path itself (nothing: none).
    std::map<std::string, std::optional<std::string>> codePagePaths;
    // A path's long form where it is not the path itself.
    std::map<std::string, std::string> longPaths;
    std::map<std::string, std::string> profile;  // "section|key|path" -> value
    int32_t writeResult = 1;
    std::string failingKey;  // writes of this key fail and store nothing
    std::vector<std::string> calls;

    std::string ArgumentText() override { return argumentText; }
    std::string HostFolder() override { return hostFolder; }
    bool TopLevelWindowExists(const std::string& title) override;
    bool IsWindow(intptr_t window) override { return windowHandles.count(window) != 0; }
    bool GetWindowRect(intptr_t window, Vantor_B::WindowRect& rect) override;
    void DrawAnimatedRects(intptr_t window, int32_t animation, const Vantor_B::WindowRect& from,
                           const Vantor_B::WindowRect& to) override;
    double TwipsPerPixelX() override { return twipsPerPixel; }
    double TwipsPerPixelY() override { return twipsPerPixel; }
    int32_t ShowCursor(bool show) override;
    void ShowMessage(const std::string& text, const std::string& title) override;
    bool CanOpenForReading(const std::string& path) override;
    std::optional<std::string> CodePagePath(const std::string& path) override;
    std::string LongPath(const std::string& path) override;
    std::string ReadProfileValue(const std::string& section, const std::string& key, const std::string& path,
                                 uint32_t bufferSize) override;
    int32_t WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                              const std::string& path) override;
    void StartProgram(const std::string& path, const std::string&) override {
        calls.push_back("StartProgram " + path);
    }
    bool StartTimer(intptr_t window, int id, uint32_t intervalMs) override;
    void StopTimer(intptr_t window, int id) override;
    void EndProcess() override { calls.push_back("EndProcess"); }
    bool timersWork = true;
};

}  // namespace host_test

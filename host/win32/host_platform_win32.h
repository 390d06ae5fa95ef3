#pragma once
// The host's platform on Windows: user32 and kernel32. What is shown, files and programs go through the
// wide ("W") entry points; the profile functions, which take only the system code page, get a path it
// writes.
#include "host_platform.h"

class Win32HostPlatform : public Vantor_B::HostPlatform {
  public:
    std::string ArgumentText() override;
    std::string HostFolder() override;
    bool TopLevelWindowExists(const std::string& title) override;
    bool IsWindow(intptr_t window) override;
    bool GetWindowRect(intptr_t window, Vantor_B::WindowRect& rect) override;
    void DrawAnimatedRects(intptr_t window, int32_t animation, const Vantor_B::WindowRect& from,
                           const Vantor_B::WindowRect& to) override;
    double TwipsPerPixelX() override;
    double TwipsPerPixelY() override;
    int32_t ShowCursor(bool show) override;
    void ShowMessage(const std::string& text, const std::string& title) override;
    bool CanOpenForReading(const std::string& path) override;
    std::optional<std::string> CodePagePath(const std::string& path) override;
    std::string LongPath(const std::string& path) override;
    std::string ReadProfileValue(const std::string& section, const std::string& key, const std::string& path,
                                 uint32_t bufferSize) override;
    int32_t WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                              const std::string& path) override;
    void StartProgram(const std::string& path, const std::string& windowTitle) override;
    bool StartTimer(intptr_t window, int id, uint32_t intervalMs) override;
    void StopTimer(intptr_t window, int id) override;
    void EndProcess() override;
};

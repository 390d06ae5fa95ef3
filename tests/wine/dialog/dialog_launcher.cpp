// Test-only stand-in for `Quorrel.scr /c` until the start routine opens the dialog itself: the instance
// guard, the settings load from the folder of this program, then the dialog, modally.
#include <windows.h>

#include <vector>

#include "ansi_text.h"
#include "host_names.h"
#include "host_platform.h"
#include "vantor_b.h"
#include "vantor_p.h"

namespace {

// Only the settings file's needs are real; the rest is never asked for in this program.
class SettingsOnlyPlatform : public Vantor_B::HostPlatform {
  public:
    std::string ArgumentText() override { return "/c"; }
    std::string HostFolder() override {
        std::vector<char> name(MAX_PATH * 4);
        const DWORD length = GetModuleFileNameA(nullptr, name.data(), DWORD(name.size()));
        const std::string path = FromAnsi(std::string(name.data(), length));
        return path.substr(0, path.find_last_of('\\'));
    }
    bool TopLevelWindowExists(const std::string& title) override {
        return FindWindowA(nullptr, ToAnsi(title).c_str()) != nullptr;
    }
    bool IsWindow(int32_t) override { return false; }
    bool GetWindowRect(int32_t, Vantor_B::WindowRect&) override { return false; }
    double TwipsPerPixelX() override { return 15; }
    double TwipsPerPixelY() override { return 15; }
    int32_t ShowCursor(bool) override { return 0; }
    void ShowMessage(const std::string&, const std::string&) override {}
    bool CanOpenForReading(const std::string& path) override {
        HANDLE file = CreateFileA(ToAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
        return true;
    }
    std::string ReadProfileValue(const std::string& section, const std::string& key, const std::string& path,
                                 uint32_t bufferSize) override {
        std::vector<char> value(bufferSize, '\0');
        GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), "", value.data(), bufferSize,
                                 ToAnsi(path).c_str());
        return FromAnsi(value.data());
    }
    int32_t WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                              const std::string& path) override {
        return WritePrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), ToAnsi(value).c_str(),
                                          ToAnsi(path).c_str());
    }
    void StartProgram(const std::string&) override {}
    void OpenPreview(int32_t, int32_t, int32_t) override {}
    void LoadRunForm() override {}
    void ShowSettingsDialog() override { ::ShowSettingsDialog(); }
    void EndProcess() override { ExitProcess(0); }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SettingsOnlyPlatform platform;
    Vantor_B::UsePlatform(platform);
    if (platform.TopLevelWindowExists(Vantor_B::kRunFormTitle) ||
        platform.TopLevelWindowExists(Vantor_B::kSettingsDialogTitle)) {
        return 0;
    }
    Vantor_B::LoadSettings();
    platform.ShowSettingsDialog();
    return 0;
}

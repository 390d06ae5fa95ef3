#pragma once
// The settings dialog's system calls on Win32: cursor, open-file dialog, shell, pointer, settings file,
// message box, window rectangle and caption animation.
#include <windows.h>

#include "vantor_p_form.h"

namespace Vantor_P {

class Win32DialogSystem : public DialogSystem {
  public:
    explicit Win32DialogSystem(const HWND& owner) : owner_(owner) {}
    bool GetCursorPos(int32_t& x, int32_t& y) override;
    std::optional<std::string> ChooseFile(const std::string& filterDescription,
                                          const std::string& filterPattern, const std::string& title,
                                          uint32_t capacity) override;
    bool FileExists(const std::string& path) override;
    size_t CodePageLength(const std::string& text) override;
    void OpenAddress(const std::string& address) override;
    void SetMousePointer(MousePointer pointer) override;
    bool WriteSetting(const std::string& section, const std::string& key, const std::string& value) override;
    std::string SettingsPath() override;
    void ShowMessage(const std::string& text, const std::string& title) override;
    bool GetWindowRect(intptr_t window, Vantor_B::WindowRect& rect) override;
    void DrawAnimatedRects(intptr_t window, int32_t animation, const Vantor_B::WindowRect& from,
                           const Vantor_B::WindowRect& to) override;

  private:
    const HWND& owner_;  // read when used, so the system can exist before the dialog's window
};

// While the screen-wide pointer is the hourglass, the dialog's windows show it wherever the pointer is.
bool HourglassPointer();

}  // namespace Vantor_P

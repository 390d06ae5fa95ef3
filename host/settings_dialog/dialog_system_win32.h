#pragma once
// The settings dialog's system calls on Win32: cursor, open-file dialog, shell, pointer and message box,
// over the dialog's window.
#include <windows.h>

#include "vantor_p_form.h"

namespace Vantor_P {

class Win32DialogSystem : public DialogSystem {
  public:
    explicit Win32DialogSystem(HWND owner) : owner_(owner) {}
    bool GetCursorPos(int32_t& x, int32_t& y) override;
    std::optional<std::string> ChooseFile(const std::string& filterDescription,
                                          const std::string& filterPattern, const std::string& title,
                                          uint32_t capacity) override;
    size_t CodePageLength(const std::string& text) override;
    void OpenAddress(const std::string& address) override;
    void SetMousePointer(MousePointer pointer) override;
    void ShowMessage(const std::string& text, const std::string& title) override;

  private:
    HWND owner_;
};

// While the screen-wide pointer is the hourglass, the dialog's windows show it wherever the pointer is.
bool HourglassPointer();

}  // namespace Vantor_P

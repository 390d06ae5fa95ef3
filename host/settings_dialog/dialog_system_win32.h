#pragma once
// The settings dialog's system calls on Win32, over its window: cursor, open-file dialog, shell, pointer
// and message box.
#include <windows.h>

#include "vantor_p_form.h"

namespace Vantor_P {

bool CursorPosition(int32_t& x, int32_t& y);
std::optional<std::string> ChooseFile(HWND owner, const std::string& filterDescription,
                                      const std::string& filterPattern, const std::string& title,
                                      uint32_t capacity);
size_t CodePageLength(const std::string& text);
void OpenAddress(HWND owner, const std::string& address);
void SetMousePointer(MousePointer pointer);
void ShowMessage(HWND owner, const std::string& text, const std::string& title);

// While the screen-wide pointer is the hourglass, the dialog's windows show it wherever the pointer is.
bool HourglassPointer();

}  // namespace Vantor_P

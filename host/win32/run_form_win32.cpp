#include <windows.h>

#include <optional>

#include "ansi_text_win32.h"
#include "forms_win32.h"
#include "host_names.h"
#include "vantor_b.h"
#include "vantor_s.h"

namespace {

constexpr char kRunFormClass[] = "Quorrel_RunForm";

// Only one run form lives in a process.
std::optional<Vantor_S::RunForm> form;

LRESULT CALLBACK RunFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (form) {
        switch (message) {
            case WM_TIMER:
                form->Tick(static_cast<int>(wParam));
                return 0;
            case WM_CLOSE:
                form->Form_QueryUnload();
                return 0;
            case WM_QUERYENDSESSION:
                // Shutting down or logging off unloads the form at the query, which it never refuses.
                form->Form_QueryUnload();
                return TRUE;
            default:
                break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void LoadRunFormWindow(Vantor_B::HostPlatform& platform) {
    WNDCLASSA formClass{};
    formClass.lpfnWndProc = RunFormProc;
    formClass.hInstance = GetModuleHandleA(nullptr);
    formClass.lpszClassName = kRunFormClass;
    if (!RegisterClassA(&formClass)) {
        platform.EndProcess();
        return;
    }
    // Never shown: the window is the run's marker and the owner of its timers.
    HWND window = CreateWindowExA(0, kRunFormClass, ToAnsi(Vantor_B::kRunFormTitle).c_str(),
                                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, nullptr, formClass.hInstance, nullptr);
    if (window == nullptr) {
        platform.EndProcess();
        return;
    }
    form.emplace(platform, reinterpret_cast<intptr_t>(window));
    form->Form_Load();
}

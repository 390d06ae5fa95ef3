#include <windows.h>

#include <optional>

#include "forms_win32.h"
#include "host_names.h"
#include "vantor_b.h"
#include "vantor_s.h"
#include "wide_text_win32.h"

namespace {

constexpr wchar_t kRunFormClass[] = L"Quorrel_RunForm";

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
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void LoadRunFormWindow(Vantor_B::HostPlatform& platform) {
    WNDCLASSW formClass{};
    formClass.lpfnWndProc = RunFormProc;
    formClass.hInstance = GetModuleHandleA(nullptr);
    formClass.lpszClassName = kRunFormClass;
    if (!RegisterClassW(&formClass)) {
        platform.EndProcess();
        return;
    }
    // Never shown: the window is the run's marker and the owner of its timers.
    HWND window = CreateWindowExW(0, kRunFormClass, ToWide(Vantor_B::kRunFormTitle).c_str(),
                                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, nullptr, formClass.hInstance, nullptr);
    if (window == nullptr) {
        platform.EndProcess();
        return;
    }
    form.emplace(platform, reinterpret_cast<intptr_t>(window));
    form->Form_Load();
}

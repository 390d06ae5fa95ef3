// Quorrel.scr: the screen saver host.
#include <windows.h>

#include "forms_win32.h"
#include "host_platform_win32.h"
#include "sound_platform_win32.h"
#include "vantor_b.h"
#include "vantor_bgm.h"
#include "vantor_p_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Vantor_BGM::UseSoundPlatform(SystemSoundPlatform());
    static Win32HostPlatform platform;
    Vantor_B::UsePlatform(platform);

    const Vantor_B::Start start = Vantor_B::Main();
    switch (start.form) {
        case Vantor_B::StartForm::Preview:
            OpenPreviewForm(start.preview);
            break;
        case Vantor_B::StartForm::SettingsDialog:
            ShowSettingsDialog();
            platform.EndProcess();
            break;
        case Vantor_B::StartForm::RunForm:
            LoadRunFormWindow(platform);
            break;
        case Vantor_B::StartForm::None:
            break;
    }

    // One thread, one loop: form events and timer ticks, until a form ends the process.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    ExitProcess(0);
}

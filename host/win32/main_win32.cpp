// Quorrel.scr: the screen saver host.
#include <windows.h>

#include "forms_win32.h"
#include "host_platform_win32.h"
#include "sound_platform_win32.h"
#include "vantor_b.h"
#include "vantor_bgm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Vantor_BGM::UseSoundPlatform(SystemSoundPlatform());
    static Win32HostPlatform platform;
    Vantor_B::UsePlatform(platform);
    static Win32HostForms forms(platform);
    Vantor_B::UseForms(forms);

    Vantor_B::Main();

    // One thread, one loop: form events and timer ticks, until a form ends the process.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ExitProcess(0);
}

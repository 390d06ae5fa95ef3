// Quorrel.scr: the screen saver host.
#include <windows.h>

#include "bgm_music.h"
#include "sound_platform_win32.h"
#include "vantor_b.h"
#include "win32_host_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Vantor_BGM::UseSoundPlatform(SystemSoundPlatform());
    static BgmMusic music;
    static Win32HostPlatform platform(music);
    Vantor_B::UsePlatform(platform);

    Vantor_B::Main();

    // One thread, one loop: form events and timer ticks, until a form ends the process.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ExitProcess(0);
}

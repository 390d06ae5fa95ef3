#pragma once
// The host's forms as windows: the hidden run form with its timers and the preview form.
#include <windows.h>

#include <cstdint>

#include "host_platform.h"
#include "vantor_s.h"

// Window handles on the command line are 32-bit; on 64-bit Windows they are sign-extended.
inline HWND WindowOfHandle(int32_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}

// The hidden top-level window "Vantor_Main"; its load handler runs before this returns.
void LoadRunFormWindow(Vantor_B::HostPlatform& platform, Vantor_S::Music& music);

// The preview form as a child of the given window, size in pixels, shown.
void OpenPreviewForm(int32_t parent, int32_t width, int32_t height);

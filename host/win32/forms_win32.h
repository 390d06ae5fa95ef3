#pragma once
// The host's forms as windows: the hidden run form with its timers and the preview form. The settings
// dialog's is vantor_p_win32.h.
#include <cstdint>

#include "host_platform.h"
#include "vantor_r.h"

// The hidden top-level window "Vantor_Main"; its load handler runs before this returns.
void LoadRunFormWindow(Vantor_B::HostPlatform& platform);

// The preview form as a child of its parent window, at its size, shown.
void OpenPreviewForm(const Vantor_R::Placement& place);

#pragma once
// The host's forms as windows: the hidden run form with its timers, the preview form and the settings
// dialog, each built with what it uses.
#include <cstdint>

#include "host_forms.h"
#include "host_platform.h"
#include "vantor_s.h"

// The hidden top-level window "Vantor_Main"; its load handler runs before this returns.
void LoadRunFormWindow(Vantor_B::HostPlatform& platform, Vantor_S::Music& music);

// The preview form as a child of the given window, size in pixels, shown.
void OpenPreviewForm(int32_t parent, int32_t width, int32_t height);

class Win32HostForms : public Vantor_B::HostForms {
  public:
    // The run form starts programs and ends the process through the platform, and plays the music.
    Win32HostForms(Vantor_B::HostPlatform& platform, Vantor_S::Music& music)
        : platform_(platform), music_(music) {}

    void OpenPreview(int32_t parent, int32_t width, int32_t height) override;
    void LoadRunForm() override;
    void ShowSettingsDialog() override;

  private:
    Vantor_B::HostPlatform& platform_;
    Vantor_S::Music& music_;
};

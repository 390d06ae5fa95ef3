#pragma once
// The host's forms as windows: the hidden run form with its timers, the preview form and the settings
// dialog, each built with what it uses.
#include <cstdint>

#include "host_forms.h"
#include "host_platform.h"

// The hidden top-level window "Vantor_Main"; its load handler runs before this returns.
void LoadRunFormWindow(Vantor_B::HostPlatform& platform);

// The preview form as a child of the given window, size in pixels, shown.
void OpenPreviewForm(int32_t parent, int32_t width, int32_t height);

class Win32HostForms : public Vantor_B::HostForms {
  public:
    // The run form starts programs and ends the process through the platform.
    explicit Win32HostForms(Vantor_B::HostPlatform& platform) : platform_(platform) {}

    void OpenPreview(int32_t parent, int32_t width, int32_t height) override;
    void LoadRunForm() override;
    void ShowSettingsDialog() override;

  private:
    Vantor_B::HostPlatform& platform_;
};

#pragma once
// The host's forms, as the start routine opens them. Implemented by Win32HostForms (host/win32), faked by
// tests/host's FakeHostForms, which records what was opened.
#include <cstdint>

namespace Vantor_B {

struct HostForms {
    virtual ~HostForms() = default;
    // The preview form inside the given window, sized in pixels, shown.
    virtual void OpenPreview(int32_t parent, int32_t width, int32_t height) = 0;
    // The hidden run form; its load handler has run when this returns.
    virtual void LoadRunForm() = 0;
    // The settings dialog, modal and ownerless; returns when it has closed.
    virtual void ShowSettingsDialog() = 0;
};

}  // namespace Vantor_B

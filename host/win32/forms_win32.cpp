#include "forms_win32.h"

#include "vantor_p_win32.h"

void Win32HostForms::OpenPreview(int32_t parent, int32_t width, int32_t height) {
    OpenPreviewForm(parent, width, height);
}

void Win32HostForms::LoadRunForm() {
    LoadRunFormWindow(platform_);
}

void Win32HostForms::ShowSettingsDialog() {
    ::ShowSettingsDialog();
}

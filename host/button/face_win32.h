#pragma once
// A button face drawn into the control's persistent image with the platform's gradient fill and
// stretched copies of the skin pictures.
#include <windows.h>

#include "button_state.h"
#include "memory_image_win32.h"

namespace Vantor {

// Clears the image, fills it with the face gradient and copies the skin's eight frame pieces onto it.
void DrawFace(const MemoryImage& image, Skin skin, bool gradientReversed);

}  // namespace Vantor

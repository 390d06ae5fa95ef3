#pragma once
// Form Vantor_R: the still preview picture inside the window that the display settings hand over.
#include <cstdint>

#include "host_platform.h"

namespace Vantor_R {

inline constexpr int32_t kPictureWidth = 152;
inline constexpr int32_t kPictureHeight = 112;

struct PixelSize {
    int32_t width = 0, height = 0;
};

// The form's size in pixels: the parent's size in twips, rounded to 16 bits (0 when it does not fit),
// and back in pixels.
PixelSize PreviewSize(const Vantor_B::WindowRect& parent, double twipsPerPixelX, double twipsPerPixelY);

// Embeds the preview in the window named by the argument text; a handle that names no window ends the
// process, since nothing would ever unload the preview.
void Open();

// The form has gone (its parent was destroyed or it was closed): nothing else of the host is loaded.
void Form_Unload();

}  // namespace Vantor_R

#pragma once
// Form Vantor_R: the still preview picture inside the window that the display settings hand over.
#include <cstdint>
#include <optional>

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

// Where the preview goes: inside the window named by the argument text, at its size in pixels.
struct Placement {
    int32_t parent = 0;
    PixelSize size;
};

// The placement read from the argument text; a handle that names no window ends the process (nothing),
// since nothing would ever unload the preview.
std::optional<Placement> Place();

// The form has gone (its parent was destroyed or it was closed): nothing else of the host is loaded.
void Form_Unload();

}  // namespace Vantor_R

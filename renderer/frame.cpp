#include "frame.h"

int32_t FrameWidth;
int32_t FrameHeight;
int32_t FramePixels;
// Cache-line aligned so the bulk clear and the row blends start on whole lines.
alignas(64) PaletteEntry FrameBuffer[kFramePixels];
PaletteEntry CornerPalette[256];
PaletteEntry AxisPalette[256];

// Prints the digest table from the reference renderer: the frames the Windows build must draw.
#include <cstdio>

#include "clock_and_seed.h"
#include "frame_digest.h"
#include "glow_sprite.h"
#include "noise.h"
#include "palettes.h"
#include "reference/reference_renderer.h"

namespace {
PaletteEntry corner[kPaletteSize];
PaletteEntry axis[kPaletteSize];
PaletteEntry frame[kFramePixels];
}  // namespace

int main() {
    BuildGlowSprite();
    for (const FrameMoment& moment : DigestMoments()) {
        InitNoiseTables(moment.seed);
        PinClock(moment.time);
        ReferenceBuildPalettes(corner, axis);
        ReferenceDrawFigure(frame, corner, axis);
        std::printf("%s\n", DigestLine(moment, corner, axis, frame).c_str());
    }
    return 0;
}

#include "run_renderer.h"

#include "figure.h"
#include "frame.h"
#include "noise.h"
#include "palettes.h"
#include "render_window.h"

void RunRenderer() {
    FrameWidth = kFrameWidth;
    FrameHeight = kFrameHeight;
    FramePixels = FrameWidth * FrameHeight;
    // The noise tables are still zero here, so the first frame is drawn with grey ramps.
    BuildPalettes();
    BuildGlowSprite();
    InitNoiseTables(0);
    if (CreateRenderWindow(kRenderWindowName, FrameWidth, FrameHeight) == 0) {
        return;
    }
    for (;;) {
        DrawFigure();
        BuildPalettes();
        if (PresentFrame(FrameBuffer) == 0) {
            return;
        }
    }
}

// The renderer's core as the Windows programs are built (MinGW's maths library, the Windows clock
// file): its palettes and frames for the digest table, on every vector unit the processor has, must
// be the reference renderer's. The table's file is the argument; one line per differing moment.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "clock_and_seed.h"
#include "figure.h"
#include "frame_digest.h"
#include "glow_sprite.h"
#include "noise.h"
#include "palettes.h"
#include "sprite_blend.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: frame-check DIGEST_TABLE\n");
        return 2;
    }
    std::ifstream table(argv[1]);
    std::vector<std::string> expected;
    for (std::string line; std::getline(table, line);) {
        expected.push_back(line);
    }
    const std::vector<FrameMoment> moments = DigestMoments();
    if (expected.size() != moments.size()) {
        std::fprintf(stderr, "%s: %zu lines, the table has %zu moments\n", argv[1], expected.size(),
                     moments.size());
        return 2;
    }
    std::vector<SimdLevel> levels = {SimdLevel::Sse2};
    if (BestSimdLevel() == SimdLevel::Avx2) {
        levels.push_back(SimdLevel::Avx2);
    }
    BuildGlowSprite();
    int differing = 0;
    for (const SimdLevel level : levels) {
        const char* name = level == SimdLevel::Avx2 ? "avx2" : "sse2";
        UseSimdLevel(level);
        for (size_t i = 0; i < moments.size(); ++i) {
            InitNoiseTables(moments[i].seed);
            PinClock(moments[i].time);
            BuildPalettes();
            DrawFigure();
            const std::string line = DigestLine(moments[i], CornerPalette, AxisPalette, FrameBuffer);
            if (line != expected[i]) {
                std::printf("%s differs: %s, reference %s\n", name, line.c_str(), expected[i].c_str());
                ++differing;
            }
        }
        std::printf("%s: %zu moments checked\n", name, moments.size());
    }
    return differing == 0 ? 0 : 1;
}

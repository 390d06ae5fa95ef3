#include "palettes.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "clock_and_seed.h"
#include "frame.h"
#include "noise.h"
#include "round_even.h"

namespace {

// One channel's gamma exponent: the noise at the current clock reading plus the channel's offset.
double PaletteChannelExponent(int noiseOffset) {
    const double tau = static_cast<double>(ReadClock()) * 0.0001;
    return ChannelExponent(OctaveNoise(tau + noiseOffset, kNoiseOctaves));
}

// ln(j / 255) never changes, so it is taken once rather than 1,530 times a frame.
struct LevelLogs {
    double value[kPaletteSize];
    LevelLogs() {
        for (int j = 1; j < kPaletteSize; ++j) {
            value[j] = std::log(j / 255.0);
        }
    }
};
const LevelLogs levelLogs;

// One channel's ramp is a function of its exponent alone; frames that fall in the same clock
// millisecond see the same exponent and keep the ramp they already have.
struct ChannelRamp {
    double exponent = std::numeric_limits<double>::quiet_NaN();
    uint8_t level[kPaletteSize] = {};

    const uint8_t* For(double wanted) {
        if (wanted != exponent) {
            exponent = wanted;
            for (int j = 1; j < kPaletteSize; ++j) {
                level[j] = static_cast<uint8_t>(RoundToEven(255 * std::exp(wanted * levelLogs.value[j])));
            }
        }
        return level;
    }
};

// By palette (corner, axis) and channel (red, green, blue).
ChannelRamp ramps[2][3];

void FillPalette(PaletteEntry* palette, ChannelRamp (&channels)[3], int noiseOffset) {
    // Each channel reads the clock on its own, red first.
    const uint8_t* red = channels[0].For(PaletteChannelExponent(noiseOffset));
    const uint8_t* green = channels[1].For(PaletteChannelExponent(noiseOffset + 1));
    const uint8_t* blue = channels[2].For(PaletteChannelExponent(noiseOffset + 2));
    for (int j = 0; j < kPaletteSize; ++j) {
        palette[j].blue = blue[j];
        palette[j].green = green[j];
        palette[j].red = red[j];
    }
}

}  // namespace

void BuildPalettes() {
    FillPalette(CornerPalette, ramps[0], kCornerNoiseOffset);
    FillPalette(AxisPalette, ramps[1], kAxisNoiseOffset);
}

#include "reference_renderer.h"

#include <cmath>
#include <cstring>

#include "../clock_and_seed.h"
#include "../figure.h"
#include "../noise.h"

// Everything here is written out again on purpose, numbers included: only the clock, the noise
// tables and the glow sprite are shared with the production path, so a wrong formula there cannot
// hide behind the same formula here. Operations keep the order in which the renderer defines them.
namespace {

double ReferenceGradientNoise(double x) {
    const double shifted = x + 4096;
    const double whole = std::trunc(shifted);
    const int32_t i0 = static_cast<int32_t>(whole) & 255;
    const int32_t i1 = (i0 + 1) & 255;
    const double f = shifted - whole;
    const double a = f * NoiseSlopes[NoisePermutation[i0]];
    const double b = (f - 1) * NoiseSlopes[NoisePermutation[i1]];
    const double s = f * f * (3 - 2 * f);
    return a + (b - a) * s;
}

double ReferenceOctaveNoise(double x) {
    double sum = 0;
    double amplitude = 1;
    for (int octave = 0; octave < 3; ++octave) {
        sum = sum + amplitude * ReferenceGradientNoise(x);
        x = x * 2;
        amplitude = amplitude * 0.5;
    }
    return sum;
}

// Reads the clock; offset picks the channel's stretch of the noise curve.
double ReferenceChannelExponent(int offset) {
    const double tau = ReadClock() * 0.0001;
    const double n = ReferenceOctaveNoise(tau + offset);
    if (n >= 0) {
        return 1 + 4 * n;
    }
    return 1 / (1 - n);
}

uint8_t ReferenceLevel(double exponent, int j) {
    return static_cast<uint8_t>(std::nearbyint(255 * std::exp(exponent * std::log(j / 255.0))));
}

void ReferenceFillPalette(PaletteEntry* palette, int firstOffset) {
    const double red = ReferenceChannelExponent(firstOffset);
    const double green = ReferenceChannelExponent(firstOffset + 1);
    const double blue = ReferenceChannelExponent(firstOffset + 2);
    palette[0] = PaletteEntry{};
    for (int j = 1; j < 256; ++j) {
        palette[j].red = ReferenceLevel(red, j);
        palette[j].green = ReferenceLevel(green, j);
        palette[j].blue = ReferenceLevel(blue, j);
    }
}

struct ReferencePoint {
    double x, y, z;
};

// Points 0-7 are the cube's corners, x turning negative on every odd point, y on every second pair,
// z on the last four; points 8-13 sit at +1.7 then -1.7 on the x, y and z axes in turn.
ReferencePoint ReferenceFigurePoint(int k) {
    if (k < 8) {
        return {k & 1 ? -1.0 : 1.0, k & 2 ? -1.0 : 1.0, k & 4 ? -1.0 : 1.0};
    }
    double onAxis[3] = {0, 0, 0};
    onAxis[(k - 8) / 2] = k % 2 == 0 ? 1.7 : -1.7;
    return {onAxis[0], onAxis[1], onAxis[2]};
}

uint8_t SaturatingAdd(uint8_t channel, uint8_t colourChannel, uint8_t element) {
    const int sum = channel + ((colourChannel * element) >> 8);
    return static_cast<uint8_t>(sum > 255 ? 255 : sum);
}

}  // namespace

void ReferenceBuildPalettes(PaletteEntry* corner, PaletteEntry* axis) {
    ReferenceFillPalette(corner, 0);
    ReferenceFillPalette(axis, 3);
}

void ReferenceBlendSprite(PaletteEntry* frame, int32_t position, PaletteEntry colour) {
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            PaletteEntry& pixel = frame[position + r * kFrameWidth + c];
            const uint8_t v = GlowSprite[r][c];
            pixel.blue = SaturatingAdd(pixel.blue, colour.blue, v);
            pixel.green = SaturatingAdd(pixel.green, colour.green, v);
            pixel.red = SaturatingAdd(pixel.red, colour.red, v);
        }
    }
}

void ReferenceDrawFigure(PaletteEntry* frame, const PaletteEntry* corner, const PaletteEntry* axis) {
    std::memset(frame, 0, kFramePixels * sizeof(PaletteEntry));
    const double t = ReadClock() * 0.3 * 0.001;
    double angle = t + 0.05 * (std::cos(0.41 * t + 0.123) + std::cos(0.51 * t + 0.234) +
                               std::cos(0.61 * t + 0.623) + std::cos(0.21 * t + 0.723));
    const double step = 0.00215 * (std::cos(0.41 * t + 0.0123) + std::cos(0.51 * t + 0.0234) +
                                   std::cos(0.61 * t + 0.0623) + std::cos(0.021 * t + 1.723));
    double scale = 0;
    for (int i = 0; i <= 128; ++i) {
        const int p = static_cast<int>(std::nearbyint((128 - i) * 130 / 128.0)) + 10;
        PaletteEntry colour = corner[p];
        const double a1 = 2.4 * angle;
        const double a2 = 2.5 * angle;
        const double a3 = 2.6 * angle;
        const double s1 = std::sin(a1), c1 = std::cos(a1);
        const double s2 = std::sin(a2), c2 = std::cos(a2);
        const double s3 = std::sin(a3), c3 = std::cos(a3);
        for (int k = 0; k < 14; ++k) {
            if (k == 8) {
                colour = axis[p];
            }
            const ReferencePoint q = ReferenceFigurePoint(k);
            const double x1 = c1 * q.x - s1 * q.y;
            const double y1 = s1 * q.x + c1 * q.y;
            const double x2 = c2 * x1 - s2 * q.z;
            const double z2 = s2 * x1 + c2 * q.z;
            const double y3 = c3 * y1 - s3 * z2;
            const double z3 = s3 * y1 + c3 * z2;
            const double X = x2 * scale, Y = y3 * scale, Z = z3 * scale;
            const int32_t row =
                static_cast<int32_t>(std::nearbyint((X - 0.5 * Z) * kFrameWidth * 0.25)) + kFrameHeight / 2;
            const int32_t column =
                static_cast<int32_t>(std::nearbyint((Y + 0.3 * Z) * kFrameWidth * 0.3)) + kFrameWidth / 2;
            const int32_t position = row * kFrameWidth + column;
            if (position >= 0 && position < kFramePixels - 16 * kFrameWidth) {
                ReferenceBlendSprite(frame, position, colour);
            }
        }
        scale = scale + 0.005;
        angle = angle - step;
    }
}

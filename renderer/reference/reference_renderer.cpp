#include "reference_renderer.h"

#include <cmath>
#include <cstring>

#include "../figure.h"
#include "../palettes.h"
#include "../seams.h"

namespace {

uint8_t ReferenceLevel(double exponent, int j) {
    return static_cast<uint8_t>(std::nearbyint(255 * std::exp(exponent * std::log(j / 255.0))));
}

void ReferenceFillPalette(PaletteEntry* palette, int noiseOffset) {
    const double red = PaletteChannelExponent(noiseOffset);
    const double green = PaletteChannelExponent(noiseOffset + 1);
    const double blue = PaletteChannelExponent(noiseOffset + 2);
    palette[0].blue = 0;
    palette[0].green = 0;
    palette[0].red = 0;
    for (int j = 1; j < kPaletteSize; ++j) {
        palette[j].red = ReferenceLevel(red, j);
        palette[j].green = ReferenceLevel(green, j);
        palette[j].blue = ReferenceLevel(blue, j);
    }
}

uint8_t SaturatingAdd(uint8_t channel, uint8_t colourChannel, uint8_t element) {
    const int sum = channel + ((colourChannel * element) >> 8);
    return static_cast<uint8_t>(sum > 255 ? 255 : sum);
}

}  // namespace

void ReferenceBuildPalettes(PaletteEntry* corner, PaletteEntry* axis) {
    ReferenceFillPalette(corner, kCornerNoiseOffset);
    ReferenceFillPalette(axis, kAxisNoiseOffset);
}

void ReferenceBlendSprite(PaletteEntry* frame, int32_t position, PaletteEntry colour) {
    for (int r = 0; r < kSpriteSize; ++r) {
        for (int c = 0; c < kSpriteSize; ++c) {
            PaletteEntry& pixel = frame[position + r * kFrameWidth + c];
            const uint8_t element = GlowSprite[r][c];
            pixel.blue = SaturatingAdd(pixel.blue, colour.blue, element);
            pixel.green = SaturatingAdd(pixel.green, colour.green, element);
            pixel.red = SaturatingAdd(pixel.red, colour.red, element);
        }
    }
}

void ReferenceDrawFigure(PaletteEntry* frame, const PaletteEntry* corner, const PaletteEntry* axis) {
    std::memset(frame, 0, kFramePixels * sizeof(PaletteEntry));
    const FigureMotion motion = FigureMotionAt(ReadClock());
    double angle = motion.angle;
    double scale = 0;
    for (int copy = 0; copy < kFigureCopies; ++copy) {
        const int32_t p = CopyPaletteIndex(copy);
        PaletteEntry colour = corner[p];
        const CopyTurn turn = CopyTurnFor(angle);
        for (int k = 0; k < kFigurePointCount; ++k) {
            if (k == kFirstAxisPoint) {
                colour = axis[p];
            }
            const ProjectedPoint projected = ProjectPoint(FigurePoints[k], turn, scale);
            const int32_t position = SpritePosition(static_cast<int32_t>(std::nearbyint(projected.row)),
                                                    static_cast<int32_t>(std::nearbyint(projected.column)));
            if (SpriteFits(position)) {
                ReferenceBlendSprite(frame, position, colour);
            }
        }
        scale += kScaleStep;
        angle -= motion.step;
    }
}

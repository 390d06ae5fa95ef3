#include "figure.h"

#include <cmath>
#include <cstring>

#include "clock_and_seed.h"
#include "round_even.h"
#include "sprite_blend.h"

const FigurePoint FigurePoints[kFigurePointCount] = {
    {1, 1, 1},    {-1, 1, 1},  {1, -1, 1},   {-1, -1, 1}, {1, 1, -1},   {-1, 1, -1}, {1, -1, -1},
    {-1, -1, -1}, {1.7, 0, 0}, {-1.7, 0, 0}, {0, 1.7, 0}, {0, -1.7, 0}, {0, 0, 1.7}, {0, 0, -1.7},
};

FigureMotion FigureMotionAt(uint32_t milliseconds) {
    const double t = static_cast<double>(milliseconds) * 0.3 * 0.001;
    const double angle = t + 0.05 * (std::cos(0.41 * t + 0.123) + std::cos(0.51 * t + 0.234) +
                                     std::cos(0.61 * t + 0.623) + std::cos(0.21 * t + 0.723));
    const double step = 0.00215 * (std::cos(0.41 * t + 0.0123) + std::cos(0.51 * t + 0.0234) +
                                   std::cos(0.61 * t + 0.0623) + std::cos(0.021 * t + 1.723));
    return {angle, step};
}

int32_t CopyPaletteIndex(int copy) {
    constexpr int lastCopy = kFigureCopies - 1;
    return static_cast<int32_t>(
               std::nearbyint((lastCopy - copy) * kEntrySpan / static_cast<double>(lastCopy))) +
           kDarkestEntry;
}

CopyTurn CopyTurnFor(double angle) {
    const double a1 = 2.4 * angle;
    const double a2 = 2.5 * angle;
    const double a3 = 2.6 * angle;
    return {std::sin(a1), std::cos(a1), std::sin(a2), std::cos(a2), std::sin(a3), std::cos(a3)};
}

ProjectedPoint ProjectPoint(const FigurePoint& point, const CopyTurn& turn, double scale) {
    const double x1 = turn.cos1 * point.x - turn.sin1 * point.y;
    const double y1 = turn.sin1 * point.x + turn.cos1 * point.y;
    const double x2 = turn.cos2 * x1 - turn.sin2 * point.z;
    const double z2 = turn.sin2 * x1 + turn.cos2 * point.z;
    const double y3 = turn.cos3 * y1 - turn.sin3 * z2;
    const double z3 = turn.sin3 * y1 + turn.cos3 * z2;
    const double sizedX = x2 * scale;
    const double sizedY = y3 * scale;
    const double sizedZ = z3 * scale;
    // A fixed oblique view; both factors scale by the width.
    return {(sizedX - 0.5 * sizedZ) * kFrameWidth * 0.25, (sizedY + 0.3 * sizedZ) * kFrameWidth * 0.3};
}

FigureSprites DrawnSprites;

int32_t SpritePosition(int32_t row, int32_t column) {
    return (row + kFrameHeight / 2) * kFrameWidth + column + kFrameWidth / 2;
}

bool SpriteFits(int32_t position) {
    return position >= 0 && position < kFramePixels - kSpriteSize * kFrameWidth;
}

void DrawFigure() {
    // The blend adds light onto what the buffer holds, so the last frame goes first, in one fill.
    std::memset(FrameBuffer, 0, sizeof FrameBuffer);
    const FigureMotion motion = FigureMotionAt(ReadClock());
    static TintedSprite cornerGlow;
    static TintedSprite axisGlow;
    double angle = motion.angle;
    double scale = 0;
    for (int copy = 0; copy < kFigureCopies; ++copy) {
        // All positions first: the projections overlap each other instead of waiting on the blends.
        const CopyTurn turn = CopyTurnFor(angle);
        int32_t* positions = DrawnSprites.positions[copy];
        for (int k = 0; k < kFigurePointCount; ++k) {
            const ProjectedPoint projected = ProjectPoint(FigurePoints[k], turn, scale);
            positions[k] = SpritePosition(RoundToEven(projected.row), RoundToEven(projected.column));
        }
        const int32_t p = CopyPaletteIndex(copy);
        const CopyColours& colours = DrawnSprites.colours[copy] = {CornerPalette[p], AxisPalette[p]};
        TintGlowSprite(colours.corner, cornerGlow);
        TintGlowSprite(colours.axis, axisGlow);
        for (int k = 0; k < kFigurePointCount; ++k) {
            if (SpriteFits(positions[k])) {
                BlendSprite(positions[k], k < kFirstAxisPoint ? cornerGlow : axisGlow);
            }
        }
        scale += kScaleStep;
        angle -= motion.step;
    }
}

#pragma once
// The figure trail: 129 copies of a 14-point figure, each point a glow sprite added onto the frame.
#include <cstdint>

#include "frame.h"
#include "glow_sprite.h"

inline constexpr int kFigureCopies = 129;
inline constexpr int kFigurePointCount = 14;
// Points before this one take their colour from the corner palette, the rest from the axis palette.
inline constexpr int kFirstAxisPoint = 8;
inline constexpr double kScaleStep = 0.005;
// Palette entries of the copies: from kDarkestEntry + kEntrySpan (innermost) down to kDarkestEntry.
inline constexpr int kDarkestEntry = 10;
inline constexpr int kEntrySpan = 130;

struct FigurePoint {
    double x;
    double y;
    double z;
};
extern const FigurePoint FigurePoints[kFigurePointCount];

// What a frame is made of: where each sprite went and each copy's two colours. The frame is a function
// of these alone, so two equal records mean two equal frames.
struct CopyColours {
    PaletteEntry corner;
    PaletteEntry axis;
};
struct FigureSprites {
    int32_t positions[kFigureCopies][kFigurePointCount];
    CopyColours colours[kFigureCopies];
};
// The record of the frame DrawFigure drew last.
extern FigureSprites DrawnSprites;

// Clears FrameBuffer and draws one frame of the trail from the clock and the palettes.
void DrawFigure();

// The turn of the first copy and the lag taken off it after each copy.
struct FigureMotion {
    double angle;
    double step;
};
FigureMotion FigureMotionAt(uint32_t milliseconds);

int32_t CopyPaletteIndex(int copy);

// Sines and cosines of the three turns of one copy.
struct CopyTurn {
    double sin1, cos1, sin2, cos2, sin3, cos3;
};
CopyTurn CopyTurnFor(double angle);

// Where a turned and sized point lands, before rounding and before the move to the frame's centre.
struct ProjectedPoint {
    double row;
    double column;
};
ProjectedPoint ProjectPoint(const FigurePoint& point, const CopyTurn& turn, double scale);

int32_t SpritePosition(int32_t row, int32_t column);
// Keeps all 16 sprite rows inside the buffer.
bool SpriteFits(int32_t position);

#include "face_painter.h"

#include "face_colours.h"

namespace Vantor {

std::array<FramePiece, 8> FramePieces(int32_t width, int32_t height) {
    constexpr int32_t c = FrameSize;
    constexpr int32_t middleWidth = SkinWidth - 2 * c;
    constexpr int32_t middleHeight = SkinHeight - 2 * c;
    const int32_t right = width - c;
    const int32_t bottom = height - c;
    const int32_t stretchedWidth = width - 2 * c;
    const int32_t stretchedHeight = height - 2 * c;
    return {{
        {{0, 0, c, c}, {0, 0, c, c}},
        {{c, 0, middleWidth, c}, {c, 0, stretchedWidth, c}},
        {{c + middleWidth, 0, c, c}, {right, 0, c, c}},
        {{c + middleWidth, c, c, middleHeight}, {right, c, c, stretchedHeight}},
        {{c + middleWidth, c + middleHeight, c, c}, {right, bottom, c, c}},
        {{c, c + middleHeight, middleWidth, c}, {c, bottom, stretchedWidth, c}},
        {{0, c + middleHeight, c, c}, {0, bottom, c, c}},
        {{0, c, c, middleHeight}, {0, c, c, stretchedHeight}},
    }};
}

std::array<GradientVertex, 2> FaceGradient(int32_t width, int32_t height, bool reversed) {
    const FaceColour top = reversed ? FaceShade() : FaceLight();
    const FaceColour bottom = reversed ? FaceLight() : FaceShade();
    return {{{0, 0, top.red, top.green, top.blue, 0},
             {width - 1, height - 1, bottom.red, bottom.green, bottom.blue, 0}}};
}

}  // namespace Vantor

// A face's geometry and colours: the frame pieces cut from the skin and where they land, the gradient's
// corners and direction. The Wine tests look at the pixels GDI draws from them.
#include <gtest/gtest.h>

#include <vector>

#include "face_colours.h"
#include "face_painter.h"

namespace {

using Vantor::PixelRect;

TEST(FaceColours, ChannelsFromTheColourTexts) {
    EXPECT_EQ(Vantor::FaceLight(), (Vantor::FaceColour{0xFF00, 0xFF00, 0xFF00}));
    EXPECT_EQ(Vantor::FaceShade(), (Vantor::FaceColour{0xC600, 0xC500, 0xD700}));
    EXPECT_EQ(Vantor::ColourFromText("&H0000FF"), (Vantor::FaceColour{0, 0, 0xFF00}));
    EXPECT_EQ(Vantor::ColourFromText("&HFF"), (Vantor::FaceColour{0, 0, 0xFF00}));
    EXPECT_EQ(Vantor::ColourFromText("nonsense"), Vantor::FaceColour{});
}

// The smallest button of the dialog: corners whole, edges 21 and 13 pixels long.
TEST(FramePieces, SmallestDialogButton) {
    const PixelRect sources[8] = {{0, 0, 4, 4},   {4, 0, 56, 4},  {60, 0, 4, 4}, {60, 4, 4, 17},
                                  {60, 21, 4, 4}, {4, 21, 56, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
    const PixelRect destinations[8] = {{0, 0, 4, 4},   {4, 0, 21, 4},  {25, 0, 4, 4}, {25, 4, 4, 13},
                                       {25, 17, 4, 4}, {4, 17, 21, 4}, {0, 17, 4, 4}, {0, 4, 4, 13}};
    const auto pieces = Vantor::FramePieces(29, 21);
    for (size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].source, sources[i]) << "piece " << i;
        EXPECT_EQ(pieces[i].destination, destinations[i]) << "piece " << i;
    }
}

// Whatever the size, the pieces cover the 4-pixel border once and leave the inside to the gradient; a
// skin-sized face is the skin's own frame.
TEST(FramePieces, CoverTheBorderOnce) {
    for (const auto& [w, h] : {std::pair{64, 25}, std::pair{29, 21}, std::pair{125, 25}, std::pair{73, 40}}) {
        std::vector<int> covered(static_cast<size_t>(w * h), 0);
        for (const Vantor::FramePiece& piece : Vantor::FramePieces(w, h)) {
            const PixelRect& d = piece.destination;
            for (int y = d.y; y < d.y + d.height; ++y) {
                for (int x = d.x; x < d.x + d.width; ++x) {
                    ++covered[static_cast<size_t>(y * w + x)];
                }
            }
            if (w == 64 && h == 25) {
                EXPECT_EQ(piece.source, piece.destination);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool border = x < 4 || y < 4 || x >= w - 4 || y >= h - 4;
                ASSERT_EQ(covered[static_cast<size_t>(y * w + x)], border ? 1 : 0)
                    << w << "x" << h << " at " << x << "," << y;
            }
        }
    }
}

TEST(FaceGradient, LightOnTopUnlessReversedAndLeavesTheLastColumnAndRow) {
    const auto [a, z] = Vantor::FaceGradient(64, 25, false);
    EXPECT_EQ(a, (Vantor::GradientVertex{0, 0, 0xFF00, 0xFF00, 0xFF00, 0}));
    EXPECT_EQ(z, (Vantor::GradientVertex{63, 24, 0xC600, 0xC500, 0xD700, 0}));
    const auto [top, bottom] = Vantor::FaceGradient(29, 21, true);
    EXPECT_EQ(top, (Vantor::GradientVertex{0, 0, 0xC600, 0xC500, 0xD700, 0}));
    EXPECT_EQ(bottom, (Vantor::GradientVertex{28, 20, 0xFF00, 0xFF00, 0xFF00, 0}));
}

}  // namespace

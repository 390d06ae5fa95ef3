// Face pixels drawn into memory: the frame pieces cut from the skin (coded skins tell each pixel's source),
// the gradient rows between them and their direction per state.
#include <gtest/gtest.h>

#include "face_colours.h"
#include "face_painter.h"
#include "fake_site.h"

namespace {

using testing_button::Button;
using Vantor::Picture;

struct Source {
    int x, y;
    bool fromSkin;
};

Source SourceOf(const Picture& surface, int x, int y) {
    const uint32_t c = surface.at(x, y);
    return {static_cast<int>(Vantor::RedOf(c)), static_cast<int>(Vantor::GreenOf(c)),
            Vantor::BlueOf(c) >= 0xA0};
}

uint32_t GradientRow(int y, int height, bool reversed) {
    const Vantor::FaceColour top = reversed ? Vantor::FaceShade() : Vantor::FaceLight();
    const Vantor::FaceColour bottom = reversed ? Vantor::FaceLight() : Vantor::FaceShade();
    const auto at = [&](int from, int to) {
        return static_cast<uint32_t>((from + (to - from) * y / (height - 1)) >> 8);
    };
    return Vantor::Rgb(at(top.red, bottom.red), at(top.green, bottom.green), at(top.blue, bottom.blue));
}

TEST(FaceColours, ChannelsFromTheColourTexts) {
    EXPECT_EQ(Vantor::FaceLight(), (Vantor::FaceColour{0xFF00, 0xFF00, 0xFF00}));
    EXPECT_EQ(Vantor::FaceShade(), (Vantor::FaceColour{0xC600, 0xC500, 0xD700}));
    EXPECT_EQ(Vantor::ColourFromText("&H0000FF"), (Vantor::FaceColour{0, 0, 0xFF00}));
    EXPECT_EQ(Vantor::ColourFromText("&HFF"), (Vantor::FaceColour{0, 0, 0xFF00}));
    EXPECT_EQ(Vantor::ColourFromText("nonsense"), Vantor::FaceColour{});
}

class FaceTest : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(FaceTest, CornersKeepTheirSizeAndEdgesStretch) {
    const auto [w, h] = GetParam();
    Button b(w, h);
    b.command.ReadProperties(Vantor::PropertyBag{});  // draws the normal face
    const Picture& s = b.surface;

    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            const Source corners[4] = {SourceOf(s, i, j), SourceOf(s, w - 4 + i, j),
                                       SourceOf(s, w - 4 + i, h - 4 + j), SourceOf(s, i, h - 4 + j)};
            const int expectX[4] = {i, 60 + i, 60 + i, i};
            const int expectY[4] = {j, j, 21 + j, 21 + j};
            for (int k = 0; k < 4; ++k) {
                ASSERT_TRUE(corners[k].fromSkin);
                EXPECT_EQ(corners[k].x, expectX[k]) << "corner " << k << " at " << i << "," << j;
                EXPECT_EQ(corners[k].y, expectY[k]) << "corner " << k << " at " << i << "," << j;
            }
        }
    }
    // Horizontal edges: w - 8 pixels taken from skin columns 4 to 59 in order, rows kept.
    for (int row : {0, 3, h - 4, h - 1}) {
        int previous = 4;
        for (int x = 4; x < w - 4; ++x) {
            const Source src = SourceOf(s, x, row);
            ASSERT_TRUE(src.fromSkin);
            EXPECT_EQ(src.y, row < 4 ? row : row - (h - 25));
            EXPECT_GE(src.x, previous);
            EXPECT_LE(src.x, 59);
            previous = src.x;
        }
        EXPECT_EQ(SourceOf(s, 4, row).x, 4);
        if (w - 8 >= 56) {
            EXPECT_EQ(previous, 59);  // stretched: every column of the skin's edge shows
        }
    }
    // Vertical edges: h - 8 pixels from skin rows 4 to 20, columns kept.
    for (int column : {0, 3, w - 4, w - 1}) {
        int previous = 4;
        for (int y = 4; y < h - 4; ++y) {
            const Source src = SourceOf(s, column, y);
            ASSERT_TRUE(src.fromSkin);
            EXPECT_EQ(src.x, column < 4 ? column : column - (w - 64));
            EXPECT_GE(src.y, previous);
            EXPECT_LE(src.y, 20);
            previous = src.y;
        }
    }
    // The inner rectangle is never copied: the gradient shows there.
    for (int y = 4; y < h - 4; ++y) {
        for (int x = 4; x < w - 4; ++x) {
            ASSERT_EQ(s.at(x, y), GradientRow(y, h, false)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FaceTest,
                         testing::Values(std::pair{64, 25}, std::pair{29, 21}, std::pair{125, 25}));

TEST(Face, GradientDirectionFollowsTheState) {
    Button b(29, 21);
    b.command.ReadProperties(Vantor::PropertyBag{});
    b.command.Initialize();
    b.command.MouseMove(0, 0, 1, 1);  // HighLight: shade on top
    EXPECT_EQ(b.surface.at(10, 4), GradientRow(4, 21, true));
    EXPECT_LT(Vantor::RedOf(b.surface.at(10, 4)), Vantor::RedOf(b.surface.at(10, 16)));
    b.command.GotFocus();  // Pressed skin over the reversed gradient
    EXPECT_EQ(b.surface.at(10, 4), GradientRow(4, 21, true));
    b.command.LostFocus();  // Normal: light on top
    EXPECT_EQ(b.surface.at(10, 4), GradientRow(4, 21, false));
    EXPECT_GT(Vantor::RedOf(b.surface.at(10, 4)), Vantor::RedOf(b.surface.at(10, 16)));
}

TEST(Face, GradientLeavesTheLastColumnAndRowCleared) {
    const auto [a, z] = Vantor::FaceGradient(64, 25, false);
    EXPECT_EQ(a, (Vantor::GradientVertex{0, 0, 0xFF00, 0xFF00, 0xFF00, 0}));
    EXPECT_EQ(z, (Vantor::GradientVertex{63, 24, 0xC600, 0xC500, 0xD700, 0}));
    std::array<Picture, Vantor::SkinCount> skins;
    Picture surface(8, 6);
    Vantor::MemoryFaceCanvas canvas(surface, skins, testing_button::Background);
    canvas.Clear();
    Vantor::FillFaceGradient(canvas, true);
    EXPECT_EQ(surface.at(0, 0), Vantor::Rgb(0xC6, 0xC5, 0xD7));
    EXPECT_EQ(surface.at(7, 2), testing_button::Background);
    EXPECT_EQ(surface.at(3, 5), testing_button::Background);
    EXPECT_NE(surface.at(6, 4), testing_button::Background);
}

}  // namespace

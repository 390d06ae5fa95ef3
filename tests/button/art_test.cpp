// The committed pictures: what the generator draws, with the sizes and looks the controls rely on.
#include "art.h"

#include <gtest/gtest.h>

#include "bmp_file.h"
#include "face_painter.h"

namespace {

std::string AssetPath(const std::string& name) {
    return std::string(QUORREL_ASSETS_DIR) + "/" + name;
}

Vantor::Picture LoadBmp(const std::string& name) {
    const auto bytes = art::ReadFileBytes(AssetPath(name));
    if (!bytes) {
        ADD_FAILURE() << "missing " << name;
    }
    const auto picture = bytes ? art::DecodeBmp24(*bytes) : std::nullopt;
    if (!picture) {
        ADD_FAILURE() << name << " is no 24-bit bitmap";
    }
    return picture.value_or(Vantor::Picture{});
}

TEST(Art, CommittedFilesAreWhatTheGeneratorDraws) {
    for (const auto& file : art::AllAssets()) {
        EXPECT_EQ(art::ReadFileBytes(AssetPath(file.name)), file.bytes)
            << file.name << ": run quorrel_art assets";
    }
}

TEST(Art, SkinsHaveStretchableEdgesAndHighLightSelectEqualsHighLight) {
    std::vector<Vantor::Picture> skins;
    for (int i = 0; i < Vantor::SkinCount; ++i) {
        const Vantor::Picture skin = LoadBmp(art::SkinFileName(Vantor::Skin(i)));
        ASSERT_EQ(skin.width, 64);
        ASSERT_EQ(skin.height, 25);
        // Edges are the same along their length, so stretching them by replication keeps their look.
        for (int y : {0, 1, 2, 3, 21, 22, 23, 24}) {
            for (int x = 5; x < 60; ++x) {
                EXPECT_EQ(skin.at(x, y), skin.at(4, y)) << i << " " << x << "," << y;
            }
        }
        for (int x : {0, 1, 2, 3, 60, 61, 62, 63}) {
            for (int y = 5; y < 21; ++y) {
                EXPECT_EQ(skin.at(x, y), skin.at(x, 4)) << i << " " << x << "," << y;
            }
        }
        skins.push_back(skin);
    }
    EXPECT_EQ(skins[static_cast<size_t>(Vantor::Skin::HighLightSelect)],
              skins[static_cast<size_t>(Vantor::Skin::HighLight)]);
    for (size_t a = 0; a + 1 < skins.size(); ++a) {
        for (size_t b = a + 1; b + 1 < skins.size(); ++b) {
            EXPECT_NE(skins[a], skins[b]) << a << " " << b;
        }
    }
}

TEST(Art, RadioMarksAreTwelvePixelsAndDiffer) {
    const Vantor::Picture off = LoadBmp(art::RadioMarkFileName(false));
    const Vantor::Picture on = LoadBmp(art::RadioMarkFileName(true));
    EXPECT_EQ(off.width, 12);
    EXPECT_EQ(off.height, 12);
    EXPECT_EQ(on.width, 12);
    EXPECT_EQ(on.height, 12);
    EXPECT_NE(on, off);
}

TEST(Art, IconHoldsA32PixelImage) {
    const auto bytes = art::ReadFileBytes(AssetPath(art::IconFileName));
    ASSERT_TRUE(bytes && bytes->size() > 6);
    const int count = (*bytes)[4] | (*bytes)[5] << 8;
    bool has32 = false;
    for (int i = 0; i < count; ++i) {
        has32 |= (*bytes)[static_cast<size_t>(6 + 16 * i)] == 32 &&
                 (*bytes)[static_cast<size_t>(7 + 16 * i)] == 32;
    }
    EXPECT_TRUE(has32);
}

}  // namespace

#pragma once
// A face canvas over a picture in memory, for platforms without a gradient fill and for checking faces.
#include <array>

#include "face_canvas.h"
#include "picture.h"

namespace Vantor {

class MemoryFaceCanvas : public FaceCanvas {
  public:
    MemoryFaceCanvas(Picture& surface, const std::array<Picture, SkinCount>& skins, uint32_t background)
        : surface_(surface), skins_(skins), background_(background) {}

    int32_t Width() const override { return surface_.width; }
    int32_t Height() const override { return surface_.height; }
    void Clear() override;
    void FillVerticalGradient(const GradientVertex& a, const GradientVertex& b) override;
    void PaintPicture(Skin skin, const PixelRect& source, const PixelRect& destination) override;
    void Refresh() override {}

  private:
    Picture& surface_;
    const std::array<Picture, SkinCount>& skins_;
    uint32_t background_;
};

}  // namespace Vantor

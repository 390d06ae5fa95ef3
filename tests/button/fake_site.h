#pragma once
// A button with everything the platform would give it: a memory surface, skins whose pixels name their
// own position, and a site that records what the control asked for.
#include <array>
#include <string>
#include <vector>

#include "command.h"
#include "memory_canvas.h"

namespace testing_button {

// Each skin pixel encodes its source position and its skin: red x, green y, blue 0xA0 + skin.
inline std::array<Vantor::Picture, Vantor::SkinCount> CodedSkins() {
    std::array<Vantor::Picture, Vantor::SkinCount> skins;
    for (int s = 0; s < Vantor::SkinCount; ++s) {
        skins[static_cast<size_t>(s)] = Vantor::Picture(64, 25);
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 64; ++x) {
                skins[static_cast<size_t>(s)].at(x, y) =
                    Vantor::Rgb(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 0xA0u + s);
            }
        }
    }
    return skins;
}

inline constexpr uint32_t Background = Vantor::Rgb(1, 2, 3);

// Remembers the skin and gradient of the last face drawn.
class RecordingCanvas : public Vantor::MemoryFaceCanvas {
  public:
    RecordingCanvas(Vantor::Picture& surface, const std::array<Vantor::Picture, Vantor::SkinCount>& skins)
        : MemoryFaceCanvas(surface, skins, Background) {}
    void PaintPicture(Vantor::Skin skin, const Vantor::PixelRect& source,
                      const Vantor::PixelRect& destination) override {
        lastSkin = skin;
        ++pieces;
        MemoryFaceCanvas::PaintPicture(skin, source, destination);
    }
    void FillVerticalGradient(const Vantor::GradientVertex& a, const Vantor::GradientVertex& b) override {
        lastTopRed = a.red;
        MemoryFaceCanvas::FillVerticalGradient(a, b);
    }
    int pieces = 0;
    Vantor::Skin lastSkin = Vantor::Skin::Normal;
    uint16_t lastTopRed = 0;
};

class FakeSite : public Vantor::CommandSite {
  public:
    void StartPointerWatch(uint32_t milliseconds) override { watchInterval = milliseconds; }
    bool PointerOverControl() override { return pointerOver; }
    void PropertyChanged(const std::string& name) override { changed.push_back(name); }
    void Redraw() override {}
    Vantor::FontDesc ContainerFont() override { return Vantor::DialogFont(); }
    double TwipsPerPixelX() override { return 15; }
    double TwipsPerPixelY() override { return 15; }

    uint32_t watchInterval = 0;
    bool pointerOver = false;
    std::vector<std::string> changed;
};

struct Button {
    explicit Button(int width = 64, int height = 25)
        : skins(CodedSkins()), surface(width, height), canvas(surface, skins), command(site, canvas) {
        command.Click = [this] { ++clicks; };
    }
    std::array<Vantor::Picture, Vantor::SkinCount> skins;
    Vantor::Picture surface;
    RecordingCanvas canvas;
    FakeSite site;
    Vantor::Command command;
    int clicks = 0;
};

}  // namespace testing_button

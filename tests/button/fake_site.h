#pragma once
// A button with a site that records what the control asked of its window: the faces drawn, the watch,
// the properties changed.
#include <string>
#include <vector>

#include "command.h"

namespace testing_button {

class FakeSite : public Vantor::CommandSite {
  public:
    FakeSite(int width, int height) : width_(width), height_(height) {}
    void StartPointerWatch(uint32_t milliseconds) override { watchInterval = milliseconds; }
    bool PointerOverControl() override { return pointerOver; }
    void PropertyChanged(const std::string& name) override { changed.push_back(name); }
    void Redraw() override {}
    Vantor::FontDesc ContainerFont() override { return Vantor::DialogFont(); }
    double TwipsPerPixelX() override { return 15; }
    double TwipsPerPixelY() override { return 15; }
    int32_t FaceWidth() override { return width_; }
    int32_t FaceHeight() override { return height_; }
    void DrawFace(Vantor::Skin skin, bool gradientReversed) override {
        ++faces;
        lastSkin = skin;
        lastReversed = gradientReversed;
    }

    uint32_t watchInterval = 0;
    bool pointerOver = false;
    std::vector<std::string> changed;
    int faces = 0;
    Vantor::Skin lastSkin = Vantor::Skin::Normal;
    bool lastReversed = false;

  private:
    int width_;
    int height_;
};

struct Button {
    explicit Button(int width = 64, int height = 25) : site(width, height), command(site) {
        command.Click = [this] { ++clicks; };
    }
    FakeSite site;
    Vantor::Command command;
    int clicks = 0;
};

}  // namespace testing_button

#include "art.h"

#include <algorithm>
#include <cmath>

#include "bmp_file.h"
#include "face_painter.h"

namespace art {
namespace {

using Vantor::Picture;
using Vantor::Rgb;
using Vantor::Skin;

constexpr uint32_t Outer = Rgb(112, 112, 144);
constexpr uint32_t DarkBlue = Rgb(24, 40, 120);

struct SkinColours {
    uint32_t ring1, ring2, ring3, interior;
    uint32_t lowerRing2, lowerRing3;  // rings 2 and 3 along the bottom edge
};

SkinColours ColoursOf(Skin skin) {
    switch (skin) {
        case Skin::Normal:
            return {DarkBlue,           Rgb(250, 250, 255), Rgb(236, 238, 250),
                    Rgb(240, 240, 248), Rgb(250, 250, 255), Rgb(236, 238, 250)};
        case Skin::HighLight:
        case Skin::HighLightSelect:
            return {DarkBlue,           Rgb(255, 230, 80), Rgb(255, 165, 40),
                    Rgb(255, 250, 230), Rgb(255, 230, 80), Rgb(255, 165, 40)};
        case Skin::Pressed:
            return {Rgb(150, 150, 166), DarkBlue, Rgb(200, 200, 210),
                    Rgb(200, 200, 210), DarkBlue, Rgb(200, 200, 210)};
        case Skin::Disable:
            return {Rgb(140, 140, 140), Rgb(246, 246, 246), Rgb(236, 236, 236),
                    Rgb(236, 236, 236), Rgb(246, 246, 246), Rgb(236, 236, 236)};
        case Skin::Selected:
            return {DarkBlue,           Rgb(170, 210, 255), Rgb(215, 232, 255),
                    Rgb(225, 236, 255), Rgb(60, 110, 220),  Rgb(90, 140, 235)};
    }
    return {};
}

uint32_t Blend(uint32_t from, uint32_t to, double amount) {
    const auto mix = [&](uint32_t a, uint32_t b) {
        return static_cast<uint32_t>(
            std::nearbyint(static_cast<double>(a) +
                           (static_cast<double>(b) - static_cast<double>(a)) * std::clamp(amount, 0.0, 1.0)));
    };
    return Rgb(mix(Vantor::RedOf(from), Vantor::RedOf(to)), mix(Vantor::GreenOf(from), Vantor::GreenOf(to)),
               mix(Vantor::BlueOf(from), Vantor::BlueOf(to)));
}

// Share of a pixel (4 x 4 samples) that lies inside a circle around the mark's centre.
double Coverage(int x, int y, double radius) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double dx = x + (sx + 0.5) / 4 - 6.0;
            const double dy = y + (sy + 0.5) / 4 - 6.0;
            if (dx * dx + dy * dy <= radius * radius) {
                ++inside;
            }
        }
    }
    return inside / 16.0;
}

}  // namespace

Picture DrawSkin(Skin skin) {
    const SkinColours colours = ColoursOf(skin);
    Picture picture(Vantor::SkinWidth, Vantor::SkinHeight);
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            const int32_t dx = std::min(x, picture.width - 1 - x);
            const int32_t dy = std::min(y, picture.height - 1 - y);
            // Ring index with the corners cut, which rounds the frame line.
            const int32_t ring = std::min({dx, dy, dx + dy - 2});
            const bool lower = y >= picture.height - Vantor::FrameSize;
            uint32_t colour = colours.interior;
            if (ring <= 0) {
                colour = Outer;
            } else if (ring == 1) {
                colour = colours.ring1;
            } else if (ring == 2) {
                colour = lower ? colours.lowerRing2 : colours.ring2;
            } else if (ring == 3) {
                colour = lower ? colours.lowerRing3 : colours.ring3;
            }
            picture.at(x, y) = colour;
        }
    }
    return picture;
}

Picture DrawRadioMark(bool selected) {
    const uint32_t background = Rgb(240, 240, 240);
    const uint32_t rim = Rgb(64, 64, 88);
    Picture picture(12, 12);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            uint32_t colour = Blend(background, rim, Coverage(x, y, 5.8));
            colour = Blend(colour, Rgb(255, 255, 255), Coverage(x, y, 4.6));
            if (selected) {
                colour = Blend(colour, DarkBlue, Coverage(x, y, 2.6));
            }
            picture.at(x, y) = colour;
        }
    }
    return picture;
}

Picture DrawIcon(int size) {
    Picture picture(size, size);
    const double s = size / 32.0;
    const double centre = (size - 1) / 2.0;
    const double corner = 6 * s;
    std::vector<double> red(static_cast<size_t>(size * size), 10),
        green(static_cast<size_t>(size * size), 12), blue(static_cast<size_t>(size * size), 40);
    // A spiral of soft dots whose colour wanders from cyan to violet, added like light.
    for (int i = 0; i < 36; ++i) {
        const double t = i / 35.0;
        const double angle = t * 4.2 * 3.141592653589793;
        const double radius = (2 + 11 * t) * s;
        const double px = centre + radius * std::cos(angle);
        const double py = centre + radius * std::sin(angle);
        const double spread = (0.8 + 1.2 * t) * s;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const double d2 = (x - px) * (x - px) + (y - py) * (y - py);
                const double glow = std::exp(-d2 / (2 * spread * spread)) * 0.55;
                const size_t at = static_cast<size_t>(y * size + x);
                red[at] += glow * (60 + 190 * t);
                green[at] += glow * (230 - 150 * t);
                blue[at] += glow * 255;
            }
        }
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Rounded square: pixels beyond the corner radius are transparent.
            const double cx = std::max({corner - x, x - (size - 1 - corner), 0.0});
            const double cy = std::max({corner - y, y - (size - 1 - corner), 0.0});
            const bool inside = cx * cx + cy * cy <= corner * corner;
            const size_t at = static_cast<size_t>(y * size + x);
            const auto channel = [](double v) {
                return static_cast<uint32_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
            };
            picture.at(x, y) =
                inside ? 0xFF000000u | Rgb(channel(red[at]), channel(green[at]), channel(blue[at])) : 0;
        }
    }
    return picture;
}

std::string SkinFileName(Skin skin) {
    static const char* const names[Vantor::SkinCount] = {"normal",  "highlight", "pressed",
                                                         "disable", "selected",  "highlightselect"};
    return std::string("skin_") + names[static_cast<size_t>(skin)] + ".bmp";
}

std::string RadioMarkFileName(bool selected) {
    return selected ? "radio_on.bmp" : "radio_off.bmp";
}

std::vector<AssetFile> AllAssets() {
    std::vector<AssetFile> files;
    for (int i = 0; i < Vantor::SkinCount; ++i) {
        files.push_back({SkinFileName(static_cast<Skin>(i)), EncodeBmp24(DrawSkin(static_cast<Skin>(i)))});
    }
    for (bool selected : {false, true}) {
        files.push_back({RadioMarkFileName(selected), EncodeBmp24(DrawRadioMark(selected))});
    }
    files.push_back({IconFileName, EncodeIcon({DrawIcon(48), DrawIcon(32), DrawIcon(16)})});
    return files;
}

}  // namespace art

#include "frame_output.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "clock_and_seed.h"
#include "figure.h"
#include "noise.h"
#include "palettes.h"

namespace {

uint32_t pinnedTime;
uint32_t PinnedClock() {
    return pinnedTime;
}

std::string WritePng(const PaletteEntry* frame, const std::string& path) {
    std::vector<png_byte> rgb;
    rgb.reserve(kFramePixels * 3);
    for (int i = 0; i < kFramePixels; ++i) {
        rgb.insert(rgb.end(), {frame[i].red, frame[i].green, frame[i].blue});
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kFrameWidth;
    image.height = kFrameHeight;
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
        return image.message;
    }
    return {};
}

std::string WriteBgra(const PaletteEntry* frame, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return "cannot open for writing";
    }
    const bool written = std::fwrite(frame, sizeof(PaletteEntry), kFramePixels, file) == kFramePixels;
    const bool closed = std::fclose(file) == 0;
    return written && closed ? std::string() : std::string("write failed");
}

}  // namespace

void RenderRequestedFrame(const FrameRequest& request) {
    pinnedTime = request.timeMs;
    SetClockSource(PinnedClock);
    if (request.grey) {
        std::fill(std::begin(NoisePermutation), std::end(NoisePermutation), 0);
        std::fill(std::begin(NoiseSlopes), std::end(NoiseSlopes), 0.0);
    } else {
        InitNoiseTables(request.seed);
    }
    BuildGlowSprite();
    BuildPalettes();
    DrawFigure();
}

std::string WriteFrame(const PaletteEntry* frame, const std::string& path, FrameFormat format) {
    std::string failure = format == FrameFormat::Png ? WritePng(frame, path) : WriteBgra(frame, path);
    if (!failure.empty()) {
        std::remove(path.c_str());
        failure = path + ": " + failure;
    }
    return failure;
}

#include "frame_output.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "clock_and_seed.h"
#include "figure.h"
#include "noise.h"
#include "palettes.h"

namespace {

std::string WritePng(const PaletteEntry* frame, std::FILE* file) {
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
    if (!png_image_write_to_stdio(&image, file, 0, rgb.data(), 0, nullptr)) {
        return image.message;
    }
    return {};
}

std::string WriteBgra(const PaletteEntry* frame, std::FILE* file) {
    if (std::fwrite(frame, sizeof(PaletteEntry), kFramePixels, file) != kFramePixels) {
        return "write failed";
    }
    return {};
}

// Writes and closes the file; the first failure is the one reported.
std::string WriteAndClose(const PaletteEntry* frame, std::FILE* file, FrameFormat format) {
    std::string failure = format == FrameFormat::Png ? WritePng(frame, file) : WriteBgra(frame, file);
    if (std::fclose(file) != 0 && failure.empty()) {
        failure = "write failed";
    }
    return failure;
}

// Something that exists and is no regular file (a device, a pipe) is written as it is: it is not ours to
// replace or remove.
bool WrittenInPlace(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

std::string WriteInPlace(const PaletteEntry* frame, const std::string& path, FrameFormat format) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return std::strerror(errno);
    }
    return WriteAndClose(frame, file, format);
}

// A file is made beside the target and renamed over it only when complete, so a failure leaves the
// target as it was and removes nothing but what the tool made.
std::string WriteBeside(const PaletteEntry* frame, const std::string& path, FrameFormat format) {
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        return std::strerror(errno);
    }
    // mkstemp makes the file private; the frame gets the permissions of any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        std::remove(temporary.c_str());
        return "write failed";
    }
    std::string failure = WriteAndClose(frame, file, format);
    if (failure.empty() && std::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = std::strerror(errno);
    }
    if (!failure.empty()) {
        std::remove(temporary.c_str());
    }
    return failure;
}

}  // namespace

void RenderRequestedFrame(const FrameRequest& request) {
    PinClock(request.timeMs);
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
    const std::string failure =
        WrittenInPlace(path) ? WriteInPlace(frame, path, format) : WriteBeside(frame, path, format);
    return failure.empty() ? failure : path + ": " + failure;
}

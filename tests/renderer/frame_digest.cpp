#include "frame_digest.h"

#include <cstdio>
#include <random>

#include "palettes.h"

std::vector<FrameMoment> DigestMoments() {
    std::vector<FrameMoment> moments;
    for (const uint32_t seed : {1u, 42u, 0x9E3779B9u, 0xFFFFFFFFu}) {
        for (const uint32_t time : {0u, 1u, 5000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
            moments.push_back({seed, time});
        }
    }
    std::mt19937 random(20261208);
    for (int i = 0; i < 8; ++i) {
        moments.push_back({static_cast<uint32_t>(random() | 1u), static_cast<uint32_t>(random())});
    }
    return moments;
}

uint64_t PixelDigest(const PaletteEntry* pixels, int count) {
    uint64_t digest = 0xCBF29CE484222325u;
    for (int i = 0; i < count; ++i) {
        for (const uint8_t byte : {pixels[i].blue, pixels[i].green, pixels[i].red, pixels[i].reserved}) {
            digest = (digest ^ byte) * 0x100000001B3u;
        }
    }
    return digest;
}

std::string DigestLine(const FrameMoment& moment, const PaletteEntry* corner, const PaletteEntry* axis,
                       const PaletteEntry* frame) {
    char line[160];
    std::snprintf(line, sizeof line, "seed=%lu time=%lu corner=%016llx axis=%016llx frame=%016llx",
                  static_cast<unsigned long>(moment.seed), static_cast<unsigned long>(moment.time),
                  static_cast<unsigned long long>(PixelDigest(corner, kPaletteSize)),
                  static_cast<unsigned long long>(PixelDigest(axis, kPaletteSize)),
                  static_cast<unsigned long long>(PixelDigest(frame, kFramePixels)));
    return line;
}

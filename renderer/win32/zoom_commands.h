#pragma once
// The arithmetic of the renderer window's zoom commands, kept free of the platform so it can be
// checked natively.
#include <cstdint>

struct ZoomItem {
    uint32_t id;
    const char* text;
};

// Appended to the window's system menu, in this order.
inline constexpr ZoomItem kZoomItems[] = {
    {0x401, "Zoom 1 x 1"},
    {0x402, "Zoom 2 x 2"},
    {0x404, "Zoom 4 x 4"},
};

// The system keeps the low four bits of a system command for itself (a hit-test code or a sizing edge:
// SC_MOVE + HTCAPTION, SC_SIZE + WMSZ_LEFT), so commands are told apart with those bits cleared. The
// zoom items carry their factor in the low three bits all the same; bit 3 is left out of it.
constexpr bool IsZoomCommand(uint64_t command) {
    return (command & ~uint64_t{0xF}) == 0x400;
}

constexpr int32_t ZoomFactor(uint64_t command) {
    return static_cast<int32_t>(command & 7);
}

// Halved by an arithmetic shift, so a window larger than the screen gets a negative position and
// stays centred.
constexpr int32_t CentredOrigin(int32_t screenSize, int32_t windowSize) {
    return (screenSize - windowSize) >> 1;
}

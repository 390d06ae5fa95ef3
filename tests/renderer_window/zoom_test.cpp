#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "zoom_commands.h"

namespace {

TEST(ZoomCommand, RecognisedWhateverTheSystemsLowBits) {
    struct Case {
        uint64_t command;
        bool zoom;
    };
    const Case cases[] = {
        {0x401, true},   {0x402, true},  {0x404, true},       {0x400, true},   {0x40F, true},
        {0x3FF, false},  {0x410, false}, {0x1401, false},     {0xF060, false},  // SC_CLOSE
        {0xF063, false}, {0, false},     {0x10000401, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsZoomCommand(c.command), c.zoom) << std::hex << c.command;
    }
}

// The command the system hands back may carry its own bit 3; the item's factor holds all the same.
TEST(ZoomCommand, MenuItemsCarryTheirFactor) {
    const int32_t factors[] = {1, 2, 4};
    ASSERT_EQ(std::size(kZoomItems), std::size(factors));
    for (size_t i = 0; i < std::size(kZoomItems); ++i) {
        EXPECT_TRUE(IsZoomCommand(kZoomItems[i].id));
        EXPECT_EQ(ZoomFactor(kZoomItems[i].id), factors[i]);
        EXPECT_EQ(ZoomFactor(kZoomItems[i].id | 8), factors[i]);
        const std::string n = std::to_string(factors[i]);
        EXPECT_EQ(kZoomItems[i].text, "Zoom " + n + " x " + n);
    }
}

TEST(CentredOrigin, ShiftsRatherThanDivides) {
    struct Case {
        int32_t screen;
        int32_t window;
        int32_t origin;
    };
    const Case cases[] = {
        {1024, 648, 188},  {768, 507, 130},     // smaller: odd remainders drop
        {1024, 1024, 0},   {1024, 1296, -136},  // larger: negative
        {768, 1015, -124}, {1024, 2593, -785},  // odd negative differences round down, not toward zero
        {0, 1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentredOrigin(c.screen, c.window), c.origin) << c.screen << " " << c.window;
    }
}

}  // namespace

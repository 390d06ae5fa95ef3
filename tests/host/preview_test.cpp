#include <gtest/gtest.h>

#include "vantor_r.h"

namespace {

struct SizeCase {
    Vantor_B::WindowRect parent;
    double twipsPerPixel;
    int32_t width, height;
};

TEST(PreviewSize, GoesThroughTwipsOf16Bits) {
    const SizeCase cases[] = {
        {{0, 0, 152, 112}, 15, 152, 112},
        {{10, 20, 210, 170}, 15, 200, 150},
        {{0, 0, 2184, 2185}, 15, 2184, 0},  // 32760 twips fit, 32775 do not
        {{0, 0, 0, 0}, 15, 0, 0},
        {{0, 0, 3000, 100}, 12, 0, 100},  // 36000 twips at 120 dots per inch do not fit
        {{0, 0, 101, 101}, 12, 101, 101},
    };
    for (const SizeCase& c : cases) {
        const Vantor_R::PixelSize size = Vantor_R::PreviewSize(c.parent, c.twipsPerPixel, c.twipsPerPixel);
        EXPECT_EQ(size.width, c.width) << c.parent.right << "x" << c.parent.bottom;
        EXPECT_EQ(size.height, c.height) << c.parent.right << "x" << c.parent.bottom;
    }
}

}  // namespace

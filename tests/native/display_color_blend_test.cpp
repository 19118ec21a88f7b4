#include <gtest/gtest.h>

#include "display/color_blend.h"

TEST(ColorBlend, QuarterBackgroundPerChannel) {
    EXPECT_EQ(BlendColor(0x000000, 0x00FF00), 0x00BF00u);
    EXPECT_EQ(BlendColor(0x000000, 0x003400), 0x002700u);
    EXPECT_EQ(BlendColor(0xFFFFFF, 0x000000), 0x3F3F3Fu);
    EXPECT_EQ(BlendColor(0x102030, 0x405060), 0x344454u);      // channels do not mix
    EXPECT_EQ(BlendColor(0xFF000000, 0xFF00FF00), 0x00BF00u);  // the top byte is dropped
}

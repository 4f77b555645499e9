#include "ui/picture_scaling.h"

#include <gtest/gtest.h>

// Each new pixel is the average of the old ones it covers, weighted by how much of each it covers, channel by
// channel.
TEST(ScalePixels, AveragesWhatEachPixelCovers) {
    EXPECT_EQ(ScalePixels({0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00}, 2, 2, 1, 1), Pixels{0x408080})
        << "halved";
    EXPECT_EQ(ScalePixels({0x000000, 0x000090, 0x0000F0}, 3, 1, 2, 1), (Pixels{0x000030, 0x0000D0}))
        << "two thirds: each new pixel covers one and a half old ones";
    EXPECT_EQ(ScalePixels({0x000000, 0x0000FF}, 1, 2, 1, 4), (Pixels{0x000000, 0x000000, 0x0000FF, 0x0000FF}))
        << "doubled: the pixels grow";
}

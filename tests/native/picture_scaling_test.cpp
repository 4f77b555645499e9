#include "ui/picture_scaling.h"

#include <gtest/gtest.h>

namespace {

// Each new pixel is the average of the old ones it covers, weighted by how much of each it covers.
TEST(ScalePixels, AveragesWhatEachPixelCovers) {
    const struct {
        Pixels From;
        int Width, Height, ToWidth, ToHeight;
        Pixels Expected;
    } rows[] = {
        {{0x102030, 0x405060}, 2, 1, 2, 1, {0x102030, 0x405060}},                     // as it is
        {{0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00}, 2, 2, 1, 1, {0x408080}},           // halved both ways
        {{0x000000, 0x000090, 0x0000F0}, 3, 1, 2, 1, {0x000030, 0x0000D0}},           // two thirds: 1 and 1/2
        {{0x000000, 0x0000FF}, 1, 2, 1, 4, {0x000000, 0x000000, 0x0000FF, 0x0000FF}}, // doubled: pixels grow
        {{0xFF0000, 0x00FF00, 0x0000FF}, 3, 1, 1, 1, {0x555555}},                     // channels kept apart
    };
    for (const auto& row : rows)
        EXPECT_EQ(ScalePixels(row.From, row.Width, row.Height, row.ToWidth, row.ToHeight), row.Expected);
}

} // namespace

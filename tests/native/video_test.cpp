#include "ui/picture_scaling.h"
#include "video/display_selection.h"
#include "video/video_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Writing a record and reading it back, and files cut short or grown long: the bytes that are there land
// in their field (little-endian), the rest stay zero, anything after the 32nd byte is ignored. (The display
// dialog writes and reads the record of the device without a GUID under Wine.)
TEST(VideoConfig, RecordBytesBothWays) {
    const uint8_t record[32] = {0x38, 0x76, 0x5e, 0xa1, 0x2c, 0x4b, 0xd1, 0x11, 0x8a, 0x0e, 0x00,
                                0xc0, 0x4f, 0x97, 0x24, 0x6d, 0xfe, 0xff, 0xff, 0xff, 0x04, 0x03,
                                0x02, 0x01, 0xd0, 0xc0, 0xb0, 0xa0, 0x20, 0x00, 0x00, 0x00};
    VideoConfig config;
    std::copy_n(record, 16, config.Device.Bytes);
    config.DeviceIndex = -2;
    config.Mode = {0x01020304, 0xA0B0C0D0, 32};
    const auto encoded = EncodeVideoConfig(config);
    EXPECT_TRUE(std::equal(encoded.begin(), encoded.end(), record));
    for (size_t length : {0, 1, 16, 20, 31, 32, 40}) {
        // A block of exactly `length` bytes, so that reading past its end is caught by the sanitizer.
        std::vector<uint8_t> file(length);
        for (size_t i = 0; i < length; ++i)
            file[i] = i < 32 ? record[i] : 0xEE;
        const auto again = EncodeVideoConfig(DecodeVideoConfig(file.data(), file.size()));
        file.resize(32, 0);
        EXPECT_EQ(std::vector<uint8_t>(again.begin(), again.end()), file) << length << " bytes";
    }
}

// Modes the dialog lists (16 or 32 bits, at least 512 by 384) and the texts of its entries.
TEST(DisplaySelection, ModeFilterAndEntryTexts) {
    EXPECT_EQ(ModeEntryText({512, 384, 16}) + ", " + ModeEntryText({UINT32_MAX, 0x80000000, 32}),
              "512 * 384 (16 bpp), 4294967295 * 2147483648 (32 bpp)");
    for (DisplayMode accepted : {DisplayMode{512, 384, 16}, {512, 384, 32}, {UINT32_MAX, UINT32_MAX, 32}})
        EXPECT_TRUE(IsAcceptedMode(accepted)) << ModeEntryText(accepted);
    const DisplayMode refusedModes[] = {{512, 383, 16}, {511, 384, 32},  {640, 480, 24}, {640, 480, 8},
                                        {640, 480, 15}, {1024, 768, 33}, {0, 0, 0}};
    for (DisplayMode refused : refusedModes)
        EXPECT_FALSE(IsAcceptedMode(refused)) << ModeEntryText(refused);
    EXPECT_EQ(DeviceEntryText(nullptr, ""), " ()");
}

// What the lists select beyond what Wine's single device shows: entries without data are skipped, the
// first of equal entries wins, and a remembered mode without width or height refills to entry 0.
TEST(DisplaySelection, StoredAndRememberedChoices) {
    DeviceGuid zero, some;
    some.Bytes[0] = 1;
    EXPECT_EQ(FindDevice({nullptr, &some, &zero, &zero}, zero), 2);
    const DisplayMode m16{1024, 768, 16}, other{800, 600, 16}, height0{1024, 0, 16}, width0{0, 768, 16};
    EXPECT_EQ(FindMode({&other, nullptr, &m16, &m16}, m16), 2);
    EXPECT_EQ(FindMode({&other, &height0}, height0), 1);
    EXPECT_EQ(ModeAfterRefill({&other, &height0}, height0), 0);
    EXPECT_EQ(ModeAfterRefill({&other, &width0}, width0), 0);
    EXPECT_EQ(ModeAfterRefill({&other, &m16, &m16}, m16), 1);
}

// Each new pixel is the average of the old ones it covers, weighted by how much of each it covers.
TEST(ScalePixels, AveragesWhatEachPixelCovers) {
    const struct {
        Pixels From;
        int Width, Height, ToWidth, ToHeight;
        Pixels Expected;
    } rows[] = {
        // clang-format off
        {{0x102030, 0x405060}, 2, 1, 2, 1, {0x102030, 0x405060}}, // as it is
        {{0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00}, 2, 2, 1, 1, {0x408080}}, // halved both ways
        {{0x000000, 0x000090, 0x0000F0}, 3, 1, 2, 1, {0x000030, 0x0000D0}}, // two thirds: 1 and 1/2
        {{0x000000, 0x0000FF}, 1, 2, 1, 4, {0x000000, 0x000000, 0x0000FF, 0x0000FF}}, // doubled: pixels grow
        {{0xFF0000, 0x00FF00, 0x0000FF}, 3, 1, 1, 1, {0x555555}}, // channels kept apart
        // clang-format on
    };
    for (const auto& row : rows)
        EXPECT_EQ(ScalePixels(row.From, row.Width, row.Height, row.ToWidth, row.ToHeight), row.Expected);
}

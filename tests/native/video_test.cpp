#include "video/display_selection.h"
#include "video/video_config.h"

#include "tests/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// A record: a GUID in the platform's layout, DeviceIndex -2, Width 16909060, Height 480, BitsPerPixel 32.
const std::vector<uint8_t> Record = {0x38, 0x76, 0x5e, 0xa1, 0x2c, 0x4b, 0xd1, 0x11, 0x8a, 0x0e, 0x00,
                                     0xc0, 0x4f, 0x97, 0x24, 0x6d, 0xfe, 0xff, 0xff, 0xff, 0x04, 0x03,
                                     0x02, 0x01, 0xe0, 0x01, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00};

// The bytes a file holds land in their fields; those a short file lacks stay zero, any after the 32nd are
// ignored. The file: the record's first bytes, then 0xEE. The whole record, once read, is written back byte
// for byte: each field little-endian in its place.
TEST(VideoConfig, DecodesWhatTheFileHoldsAndEncodesItBack) {
    // 25 bytes: cut after the height's first byte.
    // clang-format off
    const std::pair<size_t, const char*> rows[] = {
        {0, "00000000000000000000000000000000 0 0 0 0"}, {1, "38000000000000000000000000000000 0 0 0 0"},
        {20, "38765ea12c4bd1118a0e00c04f97246d -2 0 0 0"},
        {25, "38765ea12c4bd1118a0e00c04f97246d -2 16909060 224 0"},
        {40, "38765ea12c4bd1118a0e00c04f97246d -2 16909060 480 32"},
    };
    // clang-format on
    for (const auto& [length, expected] : rows) {
        // Exactly `length` bytes, so that reading past their end is caught by the sanitizer.
        std::vector<uint8_t> file(length, 0xEE);
        std::copy_n(Record.begin(), std::min<size_t>(length, Record.size()), file.begin());
        const VideoConfig config = DecodeVideoConfig(file.data(), file.size());
        std::string fields = Hex(std::string(std::begin(config.Device.Bytes), std::end(config.Device.Bytes)));
        for (int64_t field : {int64_t(config.DeviceIndex), int64_t(config.Mode.Width),
                              int64_t(config.Mode.Height), int64_t(config.Mode.BitsPerPixel)})
            fields += " " + std::to_string(field);
        EXPECT_EQ(fields, expected) << length << " bytes";
    }
    const auto encoded = EncodeVideoConfig(DecodeVideoConfig(Record.data(), Record.size()));
    EXPECT_EQ(std::vector<uint8_t>(encoded.begin(), encoded.end()), Record) << "written back";
}

// The modes the dialog lists, 16 or 32 bits per pixel and at least 512 by 384, as their entries read; and a
// device's entry without a name.
TEST(DisplaySelection, AcceptedModesAndTheirEntries) {
    // clang-format off
    const std::pair<DisplayMode, const char*> rows[] = {
        {{512, 384, 16}, "512 * 384 (16 bpp)"}, {{512, 384, 32}, "512 * 384 (32 bpp)"},
        {{UINT32_MAX, 0x80000000, 32}, "4294967295 * 2147483648 (32 bpp)"}, {{512, 383, 16}, "refused"},
        {{511, 384, 32}, "refused"}, {{640, 480, 24}, "refused"}, {{640, 480, 8}, "refused"},
        {{640, 480, 15}, "refused"}, {{1024, 768, 33}, "refused"}, {{0, 0, 0}, "refused"},
    };
    // clang-format on
    for (const auto& [mode, entry] : rows)
        EXPECT_EQ(IsAcceptedMode(mode) ? ModeEntryText(mode) : "refused", entry) << ModeEntryText(mode);
    EXPECT_EQ(DeviceEntryText(nullptr, ""), " ()");
}

// What the lists select beyond what Wine's single device shows: entries without data are skipped, the
// first of equal entries wins, and a remembered mode without width or height refills to entry 0. (A mode
// kept through a refill is DisplayDialog.RefillKeepsTheChosenMode's.)
TEST(DisplaySelection, StoredAndRememberedChoices) {
    DeviceGuid zero, some;
    some.Bytes[0] = 1;
    EXPECT_EQ(FindDevice({nullptr, &some, &zero, &zero}, zero), 2);
    const DisplayMode m16{1024, 768, 16}, other{800, 600, 16}, height0{1024, 0, 16}, width0{0, 768, 16};
    EXPECT_EQ(FindMode({&other, nullptr, &m16, &m16}, m16), 2);
    EXPECT_EQ(FindMode({&other, &height0}, height0), 1);
    EXPECT_EQ(ModeAfterRefill({&other, &height0}, height0), 0);
    EXPECT_EQ(ModeAfterRefill({&other, &width0}, width0), 0);
}

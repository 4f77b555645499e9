#include "video/display_selection.h"
#include "video/video_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Bytes written as hexadecimal pairs, spaces ignored.
std::vector<uint8_t> Hex(const std::string& text) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] != ' ')
            bytes.push_back(static_cast<uint8_t>(std::stoi(text.substr(i++, 2), nullptr, 16)));
    return bytes;
}

VideoConfig Config(const std::string& guid, int32_t index, DisplayMode mode) {
    VideoConfig config;
    std::copy_n(Hex(guid).begin(), 16, config.Device.Bytes);
    config.DeviceIndex = index;
    config.Mode = mode;
    return config;
}

const char* const NoGuid = "00000000 00000000 00000000 00000000";
const char* const SomeGuid = "38765ea1 2c4bd111 8a0e00c0 4f97246d";

// Writing a record and reading it back, and files cut short or grown long: the bytes that are there land
// in their field (little-endian), the rest stay zero, anything after the 32nd byte is ignored.
TEST(VideoConfig, RecordBytesBothWays) {
    const struct {
        VideoConfig Config;
        std::string Record;
    } rows[] = {
        {Config(NoGuid, 0, {640, 480, 16}),
         "00000000 00000000 00000000 00000000 00000000 80020000 e0010000 10000000"},
        {Config(SomeGuid, -2, {0x01020304, 0xA0B0C0D0, 32}),
         "38765ea1 2c4bd111 8a0e00c0 4f97246d feffffff 04030201 d0c0b0a0 20000000"},
    };
    for (const auto& row : rows) {
        const std::vector<uint8_t> record = Hex(row.Record);
        const auto encoded = EncodeVideoConfig(row.Config);
        EXPECT_EQ(std::vector<uint8_t>(encoded.begin(), encoded.end()), record);
        for (size_t length : {0, 1, 16, 20, 31, 32, 40}) {
            // A block of exactly `length` bytes, so that reading past its end is caught by the sanitizer.
            std::vector<uint8_t> file(length);
            for (size_t i = 0; i < length; ++i)
                file[i] = i < 32 ? record[i] : 0xEE;
            const VideoConfig decoded = DecodeVideoConfig(file.data(), file.size());
            file.resize(32, 0);
            const auto again = EncodeVideoConfig(decoded);
            EXPECT_EQ(std::vector<uint8_t>(again.begin(), again.end()), file) << length << " bytes";
        }
    }
}

TEST(DisplaySelection, ModeFilterAndEntryTexts) {
    EXPECT_EQ(ModeEntryText({512, 384, 16}) + ", " + ModeEntryText({UINT32_MAX, 0x80000000, 32}),
              "512 * 384 (16 bpp), 4294967295 * 2147483648 (32 bpp)");
    for (DisplayMode accepted : {DisplayMode{512, 384, 16}, {512, 384, 32}, {UINT32_MAX, UINT32_MAX, 32}})
        EXPECT_TRUE(IsAcceptedMode(accepted)) << ModeEntryText(accepted);
    const DisplayMode refusedModes[] = {{512, 383, 16}, {511, 384, 32},  {640, 480, 24}, {640, 480, 8},
                                        {640, 480, 15}, {1024, 768, 33}, {0, 0, 0}};
    for (DisplayMode refused : refusedModes)
        EXPECT_FALSE(IsAcceptedMode(refused)) << ModeEntryText(refused);
    EXPECT_EQ(DeviceEntryText("DirectDraw HAL", "display"), "DirectDraw HAL (display)");
    EXPECT_EQ(DeviceEntryText(nullptr, ""), " ()");
}

// Which entry the lists select: entries without data are skipped, the first match wins, and a refilled
// mode list keeps the remembered mode where it can (else entry 0, also for a remembered 0 x 0).
TEST(DisplaySelection, StoredAndRememberedChoices) {
    const DeviceGuid zero, some = Config(SomeGuid, 0, {}).Device;
    EXPECT_EQ(FindDevice({}, zero), -1);
    EXPECT_EQ(FindDevice({nullptr, &some}, zero), -1);
    EXPECT_EQ(FindDevice({nullptr, &some, &zero, &zero}, zero), 2);
    EXPECT_EQ(FindDevice({&zero, &some, &some}, some), 1);

    const DisplayMode m16{1024, 768, 16}, m32{1024, 768, 32}, other{800, 600, 16}, none{};
    const DisplayMode height0{1024, 0, 16}, width0{0, 768, 16};
    const struct {
        std::vector<const DisplayMode*> Entries;
        DisplayMode Wanted;
        int Found, AfterRefill;
    } rows[] = {
        {{&other, &m16, &m32}, m32, 2, 2},   {{&other, nullptr, &m16, &m16}, m16, 2, 2},
        {{&other, &m32}, m16, -1, 0},        {{&none, &other}, none, 0, 0},
        {{&other, &height0}, height0, 1, 0}, {{&other, &width0}, width0, 1, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FindMode(row.Entries, row.Wanted), row.Found) << ModeEntryText(row.Wanted);
        EXPECT_EQ(ModeAfterRefill(row.Entries, row.Wanted), row.AfterRefill) << ModeEntryText(row.Wanted);
    }
}

} // namespace

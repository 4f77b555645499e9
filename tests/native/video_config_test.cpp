#include "video/video_config.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Record = std::array<uint8_t, VideoConfigSize>;

// A GUID as it lies in memory: Data1 and the two 16-bit words little-endian, then eight bytes.
const DeviceGuid SampleGuid = {
    {0x38, 0x76, 0x5E, 0xA1, 0x2C, 0x4B, 0xD1, 0x11, 0x8A, 0x0E, 0x00, 0xC0, 0x4F, 0x97, 0x24, 0x6D}};

TEST(VideoConfig, WorkedExampleByteForByte) {
    VideoConfig config;
    config.DeviceIndex = 0;
    config.Mode = {640, 480, 16};
    const Record expected = {0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
                             0,    0,    0,    0,    0,    0x00, 0x00, 0x00, 0x00, 0x80, 0x02,
                             0x00, 0x00, 0xE0, 0x01, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00};
    EXPECT_EQ(EncodeVideoConfig(config), expected);
}

TEST(VideoConfig, EncodesEveryFieldLittleEndian) {
    VideoConfig config;
    config.Device = SampleGuid;
    config.DeviceIndex = -2;
    config.Mode = {0x01020304, 0xA0B0C0D0, 32};
    const Record expected = {0x38, 0x76, 0x5E, 0xA1, 0x2C, 0x4B, 0xD1, 0x11, 0x8A, 0x0E, 0x00,
                             0xC0, 0x4F, 0x97, 0x24, 0x6D, 0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03,
                             0x02, 0x01, 0xD0, 0xC0, 0xB0, 0xA0, 0x20, 0x00, 0x00, 0x00};
    EXPECT_EQ(EncodeVideoConfig(config), expected);
}

TEST(VideoConfig, RoundTripKeepsAllFiveFields) {
    struct Case {
        DeviceGuid Device;
        int32_t DeviceIndex;
        DisplayMode Mode;
    };
    const Case cases[] = {
        {DeviceGuid{}, 0, {640, 480, 16}},  {SampleGuid, 1, {1024, 768, 32}},
        {SampleGuid, -1, {512, 384, 16}},   {SampleGuid, INT32_MIN, {0xFFFFFFFF, 0xFFFFFFFE, 0x80000000}},
        {SampleGuid, INT32_MAX, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        VideoConfig config;
        config.Device = c.Device;
        config.DeviceIndex = c.DeviceIndex;
        config.Mode = c.Mode;
        const Record bytes = EncodeVideoConfig(config);
        const VideoConfig back = DecodeVideoConfig(bytes.data(), bytes.size());
        EXPECT_TRUE(back.Device == c.Device) << c.DeviceIndex;
        EXPECT_EQ(back.DeviceIndex, c.DeviceIndex);
        EXPECT_EQ(back.Mode.Width, c.Mode.Width);
        EXPECT_EQ(back.Mode.Height, c.Mode.Height);
        EXPECT_EQ(back.Mode.BitsPerPixel, c.Mode.BitsPerPixel);
    }
}

uint32_t LittleEndianAt(const std::vector<uint8_t>& bytes, size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           uint32_t(bytes[offset + 3]) << 24;
}

// Every file length from empty to longer than the record: the bytes that are there land in their
// field, the rest stay zero, anything after the 32nd byte is ignored.
TEST(VideoConfig, DecodesEveryFileLength) {
    std::vector<uint8_t> file(40);
    for (size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<uint8_t>(0x81 + 3 * i);

    for (size_t length = 0; length <= file.size(); ++length) {
        SCOPED_TRACE(length);
        std::vector<uint8_t> padded(file.begin(), file.begin() + length);
        padded.resize(std::max<size_t>(length, 32), 0);

        // A copy of only the first `length` bytes, so a read past the end is caught by the sanitizer.
        std::vector<uint8_t> exact(file.begin(), file.begin() + length);
        const VideoConfig config = DecodeVideoConfig(exact.data(), exact.size());

        for (size_t i = 0; i < 16; ++i)
            EXPECT_EQ(config.Device.Bytes[i], padded[i]) << "guid byte " << i;
        EXPECT_EQ(static_cast<uint32_t>(config.DeviceIndex), LittleEndianAt(padded, 16));
        EXPECT_EQ(config.Mode.Width, LittleEndianAt(padded, 20));
        EXPECT_EQ(config.Mode.Height, LittleEndianAt(padded, 24));
        EXPECT_EQ(config.Mode.BitsPerPixel, LittleEndianAt(padded, 28));
    }
}

TEST(VideoConfig, TwentyByteFileKeepsDeviceAndZeroesTheMode) {
    VideoConfig written;
    written.Device = SampleGuid;
    written.DeviceIndex = 3;
    written.Mode = {800, 600, 16};
    const Record bytes = EncodeVideoConfig(written);
    const VideoConfig config = DecodeVideoConfig(bytes.data(), 20);
    EXPECT_TRUE(config.Device == SampleGuid);
    EXPECT_EQ(config.DeviceIndex, 3);
    EXPECT_TRUE(config.Mode == DisplayMode{});
}

TEST(VideoConfig, NoBytesGiveTheAllZeroRecord) {
    const VideoConfig config = DecodeVideoConfig(nullptr, 0);
    EXPECT_TRUE(config.Device == DeviceGuid{});
    EXPECT_EQ(config.DeviceIndex, 0);
    EXPECT_TRUE(config.Mode == DisplayMode{});
}

TEST(VideoConfig, Equality) {
    DeviceGuid lastByte = SampleGuid;
    lastByte.Bytes[15] ^= 1;
    DeviceGuid firstByte = SampleGuid;
    firstByte.Bytes[0] ^= 0x80;
    EXPECT_TRUE(SampleGuid == SampleGuid);
    EXPECT_FALSE(SampleGuid == lastByte);
    EXPECT_FALSE(SampleGuid == firstByte);
    EXPECT_FALSE(SampleGuid == DeviceGuid{});

    const DisplayMode mode{1024, 768, 16};
    EXPECT_TRUE(mode == (DisplayMode{1024, 768, 16}));
    EXPECT_FALSE(mode == (DisplayMode{1025, 768, 16}));
    EXPECT_FALSE(mode == (DisplayMode{1024, 769, 16}));
    EXPECT_FALSE(mode == (DisplayMode{1024, 768, 32}));
}

} // namespace

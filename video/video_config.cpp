#include "video/video_config.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t GuidOffset = 0;
constexpr size_t DeviceIndexOffset = 16;
constexpr size_t WidthOffset = 20;
constexpr size_t HeightOffset = 24;
constexpr size_t BitsPerPixelOffset = 28;

void PutUint32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetUint32(const uint8_t* at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(at[i]) << (8 * i);
    return value;
}

} // namespace

std::array<uint8_t, VideoConfigSize> EncodeVideoConfig(const VideoConfig& config) {
    std::array<uint8_t, VideoConfigSize> record{};
    std::memcpy(record.data() + GuidOffset, config.Device.Bytes, sizeof config.Device.Bytes);
    PutUint32(record.data() + DeviceIndexOffset, static_cast<uint32_t>(config.DeviceIndex));
    PutUint32(record.data() + WidthOffset, config.Mode.Width);
    PutUint32(record.data() + HeightOffset, config.Mode.Height);
    PutUint32(record.data() + BitsPerPixelOffset, config.Mode.BitsPerPixel);
    return record;
}

VideoConfig DecodeVideoConfig(const uint8_t* data, size_t size) {
    // The game's reader takes each field with its own request, so a short file fills the fields it
    // reaches and leaves the rest zero: the same as decoding the file zero-padded to full length.
    std::array<uint8_t, VideoConfigSize> record{};
    if (data != nullptr)
        std::copy_n(data, std::min(size, VideoConfigSize), record.begin());

    VideoConfig config;
    std::memcpy(config.Device.Bytes, record.data() + GuidOffset, sizeof config.Device.Bytes);
    config.DeviceIndex = static_cast<int32_t>(GetUint32(record.data() + DeviceIndexOffset));
    config.Mode.Width = GetUint32(record.data() + WidthOffset);
    config.Mode.Height = GetUint32(record.data() + HeightOffset);
    config.Mode.BitsPerPixel = GetUint32(record.data() + BitsPerPixelOffset);
    return config;
}

bool operator==(const DeviceGuid& a, const DeviceGuid& b) {
    return std::memcmp(a.Bytes, b.Bytes, sizeof a.Bytes) == 0;
}

bool operator==(const DisplayMode& a, const DisplayMode& b) {
    return a.Width == b.Width && a.Height == b.Height && a.BitsPerPixel == b.BitsPerPixel;
}

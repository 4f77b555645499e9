#pragma once

#include <algorithm>
#include <array>
#include <iterator>
#include <cstddef>
#include <cstdint>

// Identity of a rendering device: the raw bytes of its GUID in memory layout; all zero for the device
// that is reported without a GUID.
struct DeviceGuid {
    uint8_t Bytes[16] = {};
    // The device reported without a GUID: the active display driver.
    bool IsActiveDriver() const {
        return std::all_of(std::begin(Bytes), std::end(Bytes), [](uint8_t byte) { return byte == 0; });
    }
};

struct DisplayMode {
    uint32_t Width = 0, Height = 0, BitsPerPixel = 0;
};

// The game's video record: which device it renders on and in which screen mode.
struct VideoConfig {
    DeviceGuid Device;
    int32_t DeviceIndex = 0;
    DisplayMode Mode;
};

constexpr size_t VideoConfigSize = 32;
constexpr const char* VideoConfigName = "Skv_Video.cfg";

// Little-endian record: 16 GUID bytes, DeviceIndex, Width, Height, BitsPerPixel.
std::array<uint8_t, VideoConfigSize> EncodeVideoConfig(const VideoConfig& config);

// A file's bytes: missing bytes stay zero (short file), bytes after the 32nd are ignored.
VideoConfig DecodeVideoConfig(const uint8_t* data, size_t size);

bool operator==(const DeviceGuid& a, const DeviceGuid& b);
bool operator==(const DisplayMode& a, const DisplayMode& b);
inline bool operator!=(const DeviceGuid& a, const DeviceGuid& b) {
    return !(a == b);
}
inline bool operator!=(const DisplayMode& a, const DisplayMode& b) {
    return !(a == b);
}

#include "video/video_file.h"

#include <windows.h>

#include <string>

#include "framework/handles.h"

std::optional<VideoConfig> ReadVideoConfig(const std::string& gameFolder) {
    FileHandle file(CreateFileA((gameFolder + VideoConfigName).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    // Read until 32 bytes are in or the file ends; a read error keeps what was read so far.
    uint8_t bytes[VideoConfigSize] = {};
    size_t size = 0;
    while (size < VideoConfigSize) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes + size, static_cast<DWORD>(VideoConfigSize - size), &got, nullptr) ||
            got == 0)
            break;
        size += got;
    }
    return DecodeVideoConfig(bytes, size);
}

FileWriteResult WriteVideoConfig(const std::string& gameFolder, const DeviceGuid& device, int32_t deviceIndex,
                                 const DisplayMode& mode) {
    VideoConfig config;
    config.Device = device;
    config.DeviceIndex = deviceIndex;
    config.Mode = mode;
    const auto bytes = EncodeVideoConfig(config);
    return ReplaceFileContents(gameFolder + VideoConfigName, bytes.data(), bytes.size());
}

// The game's video record on disk: "Skv_Video.cfg" in the game's folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/file_writing.h"
#include "video/video_config.h"

// The record stored in gameFolder (which ends in a separator), or nothing when there is no readable file.
// A short file leaves the missing bytes zero; bytes after the 32nd are ignored. Never shows a message.
std::optional<VideoConfig> ReadVideoConfig(const std::string& gameFolder);

// Replaces the file in gameFolder with the 32-byte record (as ReplaceFileContents does: a failure leaves the
// previous file whole) and says how that went; the caller tells the user.
FileWriteResult WriteVideoConfig(const std::string& gameFolder, const DeviceGuid& device, int32_t deviceIndex,
                                 const DisplayMode& mode);

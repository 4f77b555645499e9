// The game's video record on disk: "Skv_Video.cfg" in the game's folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "video/video_config.h"

// The record stored in gameFolder (which ends in a separator), or nothing when there is no readable file.
// A short file leaves the missing bytes zero; bytes after the 32nd are ignored. Never shows a message.
std::optional<VideoConfig> ReadVideoConfig(const std::string& gameFolder);

// Replaces the file in gameFolder with the 32-byte record. A failure is reported to the user and leaves
// the previous file whole: a file that can't be opened for writing gets its own message, any other failure
// the file-error message of its cause (ReportReplaceFailure: the full path for a failed or short write).
bool WriteVideoConfig(const std::string& gameFolder, const DeviceGuid& device, int32_t deviceIndex,
                      const DisplayMode& mode);

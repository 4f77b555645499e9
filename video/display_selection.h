#pragma once

#include <string>
#include <vector>

#include "video/video_config.h"

// The rules of the display settings dialog, kept apart from the window so they can be checked against
// any enumeration of devices and modes.

// Only 16 or 32 bpp, at least 512 x 384 (unsigned compares).
bool IsAcceptedMode(const DisplayMode& mode);

// A device's entry: the driver description, a space, then the driver name in brackets, as in
// "DirectDraw HAL (display)"; a missing text counts as empty.
std::string DeviceEntryText(const char* description, const char* driverName);

// A mode's entry: width, height and bits per pixel in decimal, as in "800 * 600 (16 bpp)".
std::string ModeEntryText(const DisplayMode& mode);

// Entries as the dialog's lists hold them: nullptr for an entry without data.
// Index of the first device entry whose GUID equals the stored one, or -1.
int FindDevice(const std::vector<const DeviceGuid*>& entries, const DeviceGuid& wanted);

// Index of the first mode entry equal (all three fields) to wanted, or -1.
int FindMode(const std::vector<const DisplayMode*>& entries, const DisplayMode& wanted);

// The mode to select after the mode list has been refilled: the remembered mode when both its width and
// height are non-zero and the list offers it, else entry 0. Precondition: entries not empty.
int ModeAfterRefill(const std::vector<const DisplayMode*>& entries, const DisplayMode& remembered);

// The rendering devices and screen modes that DirectDraw reports, as plain data for the display dialog.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "video/video_config.h"

struct DisplayDevice {
    DeviceGuid Identity;   // all zero for the device reported without a GUID
    std::string EntryText; // its driver description, then its driver name in brackets
};

struct DisplayDevices {
    std::vector<DisplayDevice> Reported; // in the order DirectDraw reported them
    bool Failed = false;                 // the enumeration failed after reporting these
};

// Every DirectDraw device. DirectDraw is loaded on the first call.
DisplayDevices EnumerateDisplayDevices();

// The modes of a device that the game can use (IsAcceptedMode), in the order DirectDraw reports them,
// each as often as it is reported; nothing when the device can't be opened.
std::optional<std::vector<DisplayMode>> AcceptedDisplayModes(const DeviceGuid& device);

#pragma once

#include <cstdint>
#include <string>

#include "settings/launcher_settings.h"

// Positions read from the dialog's controls at the moment of writing: the up-downs' whole 32-bit
// UDM_GETPOS replies (error flag in the high word) and the trackbars' TBM_GETPOS results.
struct ControlPositions {
    int32_t TrackerVolume, TrackerSpeed, TimeScale, LeanScale, SkyRed, SkyGreen, SkyBlue;
};

constexpr const char* StartupConfigName = "startup.cfg";

// The whole content of "startup.cfg": game console commands, one per CR LF line. Four lines without debug
// mode, twelve to seventeen with it.
std::string BuildStartupConfig(const LauncherSettings& settings, const ControlPositions& positions);

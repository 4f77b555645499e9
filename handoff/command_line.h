#pragma once

#include <cstdint>
#include <string>

#include "settings/launcher_settings.h"

// The game's parameters: "-debug", "-l" with the pre-loaded bots' letters (debug mode only) and "-n" with
// the chosen level's identifier, in that order, separated by single spaces. May be empty.
std::string BuildCommandLine(const LauncherSettings& settings, uint32_t levelCommand);

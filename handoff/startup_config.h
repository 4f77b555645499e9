// The game's start-up command file, "startup.cfg".
#pragma once

#include <cstdint>
#include <string>

#include "settings/launcher_settings.h"

constexpr const char* StartupConfigName = "startup.cfg";

// The whole content of "startup.cfg": game console commands, one per CR LF line. Four lines without debug
// mode, twelve to seventeen with it. A scaled option outside its range (an up-down's reply with its error
// flag among them) is written as its default.
std::string BuildStartupConfig(const LauncherSettings& settings);

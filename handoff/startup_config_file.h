// Writing "startup.cfg" into the game's folder.
#pragma once

#include <string>

#include "framework/app_context.h"
#include "settings/launcher_settings.h"

// Replaces "startup.cfg" in gameFolder (which ends in a separator) with the options' commands. A failure
// is reported to the user with the file-error message of its cause and leaves the previous file whole;
// true when the file was written completely.
bool WriteStartupConfig(const AppContext& context, const std::string& gameFolder,
                        const LauncherSettings& settings);

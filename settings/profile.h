// The options in the per-user profile: HKEY_CURRENT_USER\Software\<profile key> (the launcher's is
// "Harbeck\Skv Launcher"), one REG_DWORD value per option, named like its field.
#pragma once

#include <string>

#include "settings/launcher_settings.h"

// The stored options; a value that is absent, unreadable or out of its range gives its default. Loading
// creates the empty key on a first run.
LauncherSettings LoadSettings(const std::string& profileKey);

// Stores all 26 options; failures are dropped.
void SaveSettings(const std::string& profileKey, const LauncherSettings& settings);

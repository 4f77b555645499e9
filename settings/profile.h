// The options in the per-user profile: HKEY_CURRENT_USER\Software\Harbeck\Skv Launcher, one REG_DWORD
// value per option, named like its field.
#pragma once

#include "settings/launcher_settings.h"

// The stored options; a value that is absent, unreadable or out of its range gives its default. Loading
// creates the empty key on a first run.
LauncherSettings LoadSettings();

// Stores all 26 options; failures are dropped.
void SaveSettings(const LauncherSettings& settings);

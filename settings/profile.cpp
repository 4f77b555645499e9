#include "settings/profile.h"

#include "framework/registry.h"

LauncherSettings LoadSettings(const std::string& profileKey) {
    LauncherSettings settings;
    const ProfileStore profile(profileKey); // opened once for all the values
    for (const LauncherOption& option : LauncherOptions)
        settings.*option.Field = LoadedValue(option, profile.GetInt(option.Name, option.Default));
    return settings;
}

void SaveSettings(const std::string& profileKey, const LauncherSettings& settings) {
    const ProfileStore profile(profileKey); // opened once for all the values
    for (const LauncherOption& option : LauncherOptions)
        profile.WriteInt(option.Name, SavedValue(option, settings.*option.Field));
}

#include "settings/profile.h"

#include "framework/registry.h"

LauncherSettings LoadSettings(const std::string& profileKey) {
    LauncherSettings settings;
    const ProfileStore profile(profileKey); // opened once for all the values
    const ProfileValue* values = ProfileValues();
    for (int i = 0; i < ProfileValueCount; ++i) {
        const ProfileValue& value = values[i];
        settings.*value.Field = LoadedValue(value, profile.GetInt(value.Name, value.Default));
    }
    return settings;
}

void SaveSettings(const std::string& profileKey, const LauncherSettings& settings) {
    const ProfileStore profile(profileKey); // opened once for all the values
    const ProfileValue* values = ProfileValues();
    for (int i = 0; i < ProfileValueCount; ++i)
        profile.WriteInt(values[i].Name, SavedValue(values[i], settings.*values[i].Field));
}

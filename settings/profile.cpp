#include "settings/profile.h"

#include "framework/registry.h"

namespace {
// The options sit directly in the profile's key: no section level.
constexpr const char* ProfileSection = "";
} // namespace

LauncherSettings LoadSettings(const std::string& profileKey) {
    LauncherSettings settings;
    const ProfileSectionKey profile(profileKey, ProfileSection); // opened once for all the values
    const ProfileValue* values = ProfileValues();
    for (int i = 0; i < ProfileValueCount; ++i) {
        const ProfileValue& value = values[i];
        settings.*value.Field = LoadedValue(value, profile.GetInt(value.Name, value.Default));
    }
    return settings;
}

void SaveSettings(const std::string& profileKey, const LauncherSettings& settings) {
    const ProfileSectionKey profile(profileKey, ProfileSection); // opened once for all the values
    const ProfileValue* values = ProfileValues();
    for (int i = 0; i < ProfileValueCount; ++i)
        profile.WriteInt(values[i].Name, SavedValue(values[i], settings.*values[i].Field));
}

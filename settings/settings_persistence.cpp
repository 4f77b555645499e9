// Loading, saving and resetting the options of the main dialog through the per-user profile.
#include "settings/profile_store.h"
#include "ui/launcher_dialog.h"

namespace {
// The options sit directly in the profile's key: no section level.
constexpr const char* ProfileSection = "";
} // namespace

void LauncherDialog::LoadSettings() {
    const ProfileValue* values = ProfileValues();
    const ProfileSectionKey profile(ProfileSection); // opened once for all the values
    for (int i = 0; i < ProfileValueCount; ++i) {
        const ProfileValue& value = values[i];
        int32_t stored = profile.GetInt(value.Name, value.Default);
        if (value.Kind == ValueKind::Numeric)
            WriteNumericOption(value.Numeric, LoadedValue(value, stored, value.Default));
        else
            Settings.*value.Field = LoadedValue(value, stored, Settings.*value.Field);
    }
}

void LauncherDialog::SaveSettings() {
    const ProfileValue* values = ProfileValues();
    const ProfileSectionKey profile(ProfileSection); // opened once for all the values
    for (int i = 0; i < ProfileValueCount; ++i) {
        const ProfileValue& value = values[i];
        // Up-downs give their whole reply: a text that is no number in range stores 65536 or more, which
        // the next load turns back into the default.
        int32_t held =
            value.Kind == ValueKind::Numeric ? ReadNumericOption(value.Numeric) : Settings.*value.Field;
        profile.WriteInt(value.Name, SavedValue(value, held));
    }
}

// Puts the defaults on screen; they reach the profile only with the next "Start" or "Close".
void LauncherDialog::ResetSettings() {
    Settings = LauncherSettings();
    SkyBlueText = "60";
    SkyGreenText = "50";
    SkyRedText = "50";
    UpdateData(false);
    SkyRedSlider.SetPos(SkyRedDefault);
    SkyGreenSlider.SetPos(SkyGreenDefault);
    SkyBlueSlider.SetPos(SkyBlueDefault);
    UpdateSkyLabels();
    TrackerVolumeSpin.SetPos(TrackerVolumeDefault);
    TrackerSpeedSpin.SetPos(TrackerSpeedDefault);
    TimeScaleSpin.SetPos(TimeScaleDefault);
    LeanScaleSpin.SetPos(LeanScaleDefault);
    OnDebugMode();
}

#include "settings/launcher_settings.h"

#include <limits>

namespace {

constexpr int32_t AnyMin = std::numeric_limits<int32_t>::min();
constexpr int32_t AnyMax = std::numeric_limits<int32_t>::max();

using S = LauncherSettings;

constexpr ProfileValue Switch(const char* name, OptionField field) {
    return {name, ValueKind::Switch, field, 0, AnyMin, AnyMax};
}

constexpr ProfileValue Ranged(const char* name, OptionField field, int32_t def, int32_t min, int32_t max) {
    return {name, ValueKind::Ranged, field, def, min, max};
}

const ProfileValue Values[ProfileValueCount] = {
    Switch("Debug", &S::Debug),
    Switch("LoadBots", &S::LoadBots),
    Switch("LoadGrax", &S::LoadGrax),
    Switch("LoadTolmen", &S::LoadTolmen),
    Switch("LoadVastor", &S::LoadVastor),
    Switch("LoadKolvane", &S::LoadKolvane),
    Switch("LoadHurgrax", &S::LoadHurgrax),
    Switch("LoadHurok", &S::LoadHurok),
    Switch("LoadZimmit", &S::LoadZimmit),
    Switch("ShowFPS", &S::ShowFPS),
    Switch("ShowPolycount", &S::ShowPolycount),
    Ranged("WireFrame", &S::WireFrame, WireFrameDefault, WireFrameMin, WireFrameMax),
    Switch("VerboseText", &S::VerboseText),
    Switch("Crouchmode", &S::Crouchmode),
    Switch("Dopplershift", &S::Dopplershift),
    Switch("Extrapolation", &S::Extrapolation),
    Switch("AllWeapons", &S::AllWeapons),
    Switch("GodMode", &S::GodMode),
    Switch("AddLight", &S::AddLight),
    Ranged("TrackerVolume", &S::TrackerVolume, TrackerVolumeDefault, TrackerVolumeMin, TrackerVolumeMax),
    Ranged("TrackerSpeed", &S::TrackerSpeed, TrackerSpeedDefault, TrackerSpeedMin, TrackerSpeedMax),
    Ranged("TimeScale", &S::TimeScale, TimeScaleDefault, TimeScaleMin, TimeScaleMax),
    Ranged("LeanScale", &S::LeanScale, LeanScaleDefault, LeanScaleMin, LeanScaleMax),
    Ranged("SkyRed", &S::SkyRed, SkyRedDefault, SkyMin, SkyMax),
    Ranged("SkyGreen", &S::SkyGreen, SkyGreenDefault, SkyMin, SkyMax),
    Ranged("SkyBlue", &S::SkyBlue, SkyBlueDefault, SkyMin, SkyMax),
};

bool InRange(const ProfileValue& value, int32_t number) {
    return number >= value.Min && number <= value.Max;
}

// A switch is on for any non-zero number, and is kept as 1.
int32_t SwitchValue(int32_t number) {
    return number != 0 ? 1 : 0;
}

} // namespace

const ProfileValue* ProfileValues() {
    return Values;
}

int32_t LoadedValue(const ProfileValue& value, int32_t stored) {
    if (value.Kind == ValueKind::Switch)
        return SwitchValue(stored);
    return InRange(value, stored) ? stored : value.Default;
}

int32_t SavedValue(const ProfileValue& value, int32_t held) {
    if (value.Kind == ValueKind::Switch)
        return SwitchValue(held);
    return held;
}

int32_t SanitizedValue(OptionField field, int32_t value) {
    for (const ProfileValue& known : Values)
        if (known.Field == field) // cppcheck-suppress useStlAlgorithm
            return InRange(known, value) ? value : known.Default;
    return value;
}

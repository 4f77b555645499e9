#include "settings/launcher_settings.h"

#include <cstdint>
#include <limits>

namespace {

constexpr int32_t AnyMin = std::numeric_limits<int32_t>::min();
constexpr int32_t AnyMax = std::numeric_limits<int32_t>::max();

constexpr ProfileValue Switch(const char* name, int32_t LauncherSettings::*field) {
    return {name, ValueKind::Switch, field, NumericOption::TrackerVolume, 0, AnyMin, AnyMax};
}

constexpr ProfileValue Numeric(const char* name, NumericOption option, int32_t def, int32_t min,
                               int32_t max) {
    return {name, ValueKind::Numeric, nullptr, option, def, min, max};
}

using S = LauncherSettings;

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
    {"WireFrame", ValueKind::Mode, &S::WireFrame, NumericOption::TrackerVolume, WireFrameDefault,
     WireFrameMin, WireFrameMax},
    Switch("VerboseText", &S::VerboseText),
    Switch("Crouchmode", &S::Crouchmode),
    Switch("Dopplershift", &S::Dopplershift),
    Switch("Extrapolation", &S::Extrapolation),
    Switch("AllWeapons", &S::AllWeapons),
    Switch("GodMode", &S::GodMode),
    Switch("AddLight", &S::AddLight),
    Numeric("TrackerVolume", NumericOption::TrackerVolume, TrackerVolumeDefault, TrackerVolumeMin,
            TrackerVolumeMax),
    Numeric("TrackerSpeed", NumericOption::TrackerSpeed, TrackerSpeedDefault, TrackerSpeedMin,
            TrackerSpeedMax),
    Numeric("TimeScale", NumericOption::TimeScale, TimeScaleDefault, TimeScaleMin, TimeScaleMax),
    Numeric("LeanScale", NumericOption::LeanScale, LeanScaleDefault, LeanScaleMin, LeanScaleMax),
    Numeric("SkyRed", NumericOption::SkyRed, SkyRedDefault, SkyMin, SkyMax),
    Numeric("SkyGreen", NumericOption::SkyGreen, SkyGreenDefault, SkyMin, SkyMax),
    Numeric("SkyBlue", NumericOption::SkyBlue, SkyBlueDefault, SkyMin, SkyMax),
};

// The numeric values follow the nineteen switch and mode values, in NumericOption order.
constexpr int FirstNumericIndex = 19;

bool InRange(const ProfileValue& value, int32_t number) {
    return number >= value.Min && number <= value.Max;
}

} // namespace

const ProfileValue* ProfileValues() {
    return Values;
}

const ProfileValue& ProfileValueOf(NumericOption option) {
    return Values[FirstNumericIndex + static_cast<int>(option)];
}

int32_t LoadedValue(const ProfileValue& value, int32_t stored, int32_t current) {
    if (value.Kind == ValueKind::Switch)
        return stored != 0 ? 1 : current;
    return InRange(value, stored) ? stored : value.Default;
}

int32_t SavedValue(const ProfileValue& value, int32_t held) {
    if (value.Kind == ValueKind::Switch)
        return held != 0 ? 1 : 0;
    return held;
}

int32_t SanitizedValue(NumericOption option, int32_t reply) {
    const ProfileValue& value = ProfileValueOf(option);
    return InRange(value, reply) ? reply : value.Default;
}

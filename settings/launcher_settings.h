// The launcher's option record: the 26 options the profile keeps and the game is handed, with their
// defaults and the ranges that loading accepts.
#pragma once

#include <cstdint>

// Defaults and accepted ranges of the mode and numeric options (inclusive bounds).
constexpr int32_t WireFrameDefault = 0, WireFrameMin = 0, WireFrameMax = 3;
constexpr int32_t TrackerVolumeDefault = 100, TrackerVolumeMin = 0, TrackerVolumeMax = 100;
constexpr int32_t TrackerSpeedDefault = 100, TrackerSpeedMin = 0, TrackerSpeedMax = 1600;
constexpr int32_t TimeScaleDefault = 100, TimeScaleMin = 1, TimeScaleMax = 400;
constexpr int32_t LeanScaleDefault = 100, LeanScaleMin = 0, LeanScaleMax = 1000;
constexpr int32_t SkyRedDefault = 50, SkyGreenDefault = 50, SkyBlueDefault = 60;
constexpr int32_t SkyMin = 0, SkyMax = 255;

// Every option at its default. The switches are 0 or 1 (any non-zero number counts as on); WireFrame is
// the texture mode; the four scaled options are whole numbers of hundredths as their up-downs report them
// (the error flag of a text that is no number in range in the high word); the sky components are the
// trackbars' positions.
struct LauncherSettings {
    int32_t Debug = 0, LoadBots = 0, LoadGrax = 0, LoadTolmen = 0, LoadVastor = 0, LoadKolvane = 0,
            LoadHurgrax = 0, LoadHurok = 0, LoadZimmit = 0, ShowFPS = 0, ShowPolycount = 0,
            WireFrame = WireFrameDefault, VerboseText = 0, Crouchmode = 0, Dopplershift = 0,
            Extrapolation = 0, AllWeapons = 0, GodMode = 0, AddLight = 0;
    int32_t TrackerVolume = TrackerVolumeDefault, TrackerSpeed = TrackerSpeedDefault,
            TimeScale = TimeScaleDefault, LeanScale = LeanScaleDefault;
    int32_t SkyRed = SkyRedDefault, SkyGreen = SkyGreenDefault, SkyBlue = SkyBlueDefault;
};

using OptionField = int32_t LauncherSettings::*;

enum class ValueKind { Switch, Ranged };

// One stored profile value (REG_DWORD named Name) and the option it holds.
struct ProfileValue {
    const char* Name;
    ValueKind Kind;
    OptionField Field;
    int32_t Default, Min, Max; // accepted range when loading (inclusive); switches accept anything
};

// The 26 values in load/save order ("Debug" ... "ShowPolycount", "WireFrame", "VerboseText" ... "AddLight",
// "TrackerVolume", "TrackerSpeed", "TimeScale", "LeanScale", "SkyRed", "SkyGreen", "SkyBlue").
constexpr int ProfileValueCount = 26;
const ProfileValue* ProfileValues(); // array of ProfileValueCount

// What loading makes of a stored number (signed 32-bit compare): a switch is 1 when non-zero, else 0; any
// other value outside its range is its default (never clamped).
int32_t LoadedValue(const ProfileValue& value, int32_t stored);

// What saving stores: a switch 1 when non-zero, else 0; any other value as held (a scaled option's whole
// up-down reply).
int32_t SavedValue(const ProfileValue& value, int32_t held);

// An option's value as handed to the game: outside its range, its default.
int32_t SanitizedValue(OptionField field, int32_t value);

#pragma once

#include <cstdint>

// The launcher's option record. The switch and mode fields live here; the seven numeric options live in
// the positions of their dialog controls and are described by NumericOption and the profile table below.

// The nineteen switch and mode fields, in declared order; all 0 at construction.
struct LauncherSettings {
    int32_t Debug = 0, LoadBots = 0, LoadGrax = 0, LoadTolmen = 0, LoadVastor = 0, LoadKolvane = 0,
            LoadHurgrax = 0, LoadHurok = 0, LoadZimmit = 0, ShowFPS = 0, ShowPolycount = 0, WireFrame = 0,
            VerboseText = 0, Crouchmode = 0, Dopplershift = 0, Extrapolation = 0, AllWeapons = 0, GodMode = 0,
            AddLight = 0;
};

enum class NumericOption { TrackerVolume, TrackerSpeed, TimeScale, LeanScale, SkyRed, SkyGreen, SkyBlue };

enum class ValueKind { Switch, Mode, Numeric };

// One stored profile value (REG_DWORD named Name).
struct ProfileValue {
    const char* Name;
    ValueKind Kind;
    int32_t LauncherSettings::*Field; // Switch and Mode; nullptr for Numeric
    NumericOption Numeric;            // Numeric only
    int32_t Default, Min, Max;        // accepted range when loading (inclusive); switches accept anything
};

// Defaults and accepted ranges of the mode and numeric options (inclusive bounds).
constexpr int32_t WireFrameDefault = 0, WireFrameMin = 0, WireFrameMax = 3;
constexpr int32_t TrackerVolumeDefault = 100, TrackerVolumeMin = 0, TrackerVolumeMax = 100;
constexpr int32_t TrackerSpeedDefault = 100, TrackerSpeedMin = 0, TrackerSpeedMax = 1600;
constexpr int32_t TimeScaleDefault = 100, TimeScaleMin = 1, TimeScaleMax = 400;
constexpr int32_t LeanScaleDefault = 100, LeanScaleMin = 0, LeanScaleMax = 1000;
constexpr int32_t SkyRedDefault = 50, SkyGreenDefault = 50, SkyBlueDefault = 60;
constexpr int32_t SkyMin = 0, SkyMax = 255;

// The 26 values in load/save order ("Debug" ... "ShowPolycount", "WireFrame", "VerboseText" ... "AddLight",
// "TrackerVolume", "TrackerSpeed", "TimeScale", "LeanScale", "SkyRed", "SkyGreen", "SkyBlue").
constexpr int ProfileValueCount = 26;
const ProfileValue* ProfileValues(); // array of ProfileValueCount
const ProfileValue& ProfileValueOf(NumericOption);

// What loading makes of a stored number (signed 32-bit compare): Switch: nonzero -> 1, 0 -> current;
// Mode/Numeric: outside Min..Max -> Default (never clamped).
int32_t LoadedValue(const ProfileValue& value, int32_t stored, int32_t current);

// What saving stores: Switch: nonzero -> 1 else 0; Mode: as held; Numeric: as read from the control
// (whole 32 bits).
int32_t SavedValue(const ProfileValue& value, int32_t held);

// A value read from a control (UDM_GETPOS reply incl. error half): outside the range -> Default.
int32_t SanitizedValue(NumericOption option, int32_t reply);

// The launcher's options: the table that names each of the 26 options once (its profile value, default,
// accepted range and the control that shows it), and the record that holds them.
#pragma once

#include <cstddef>
#include <cstdint>

struct LauncherSettings;
using OptionField = int32_t LauncherSettings::*;

// The control that shows an option in the main dialog.
enum class ControlKind {
    CheckBox, // a switch: ticked 1, clear 0
    List,     // the index of the selected item
    UpDown,   // its position, which the edit box before it shows as a number
    Trackbar, // its position, which a value label beside it shows
};

// One option: the REG_DWORD value Name in the profile, held in Field.
struct LauncherOption {
    const char* Name;
    OptionField Field;
    ControlKind Control;
    int ControlId;
    int TextId;                // the up-down's edit box or the trackbar's value label; 0 for the others
    int32_t Default, Min, Max; // Min to Max: what loading accepts (inclusive); a switch accepts any number
};

// In load and save order: "Debug" ... "ShowPolycount", "WireFrame", "VerboseText" ... "AddLight",
// "TrackerVolume", "TrackerSpeed", "TimeScale", "LeanScale", "SkyRed", "SkyGreen", "SkyBlue".
constexpr size_t LauncherOptionCount = 26;
extern const LauncherOption LauncherOptions[LauncherOptionCount];

// The default of the option held in `field`, as the table gives it.
int32_t DefaultOf(OptionField field);

// Every option, at its default. The switches are 0 or 1 (any non-zero number counts as on); WireFrame is
// the texture mode; the four scaled options are whole numbers of hundredths as their up-downs report them
// (the error flag of a text that is no number in range in the high word); the sky components are the
// trackbars' positions.
struct LauncherSettings {
    int32_t Debug = DefaultOf(&LauncherSettings::Debug);
    int32_t LoadBots = DefaultOf(&LauncherSettings::LoadBots);
    int32_t LoadGrax = DefaultOf(&LauncherSettings::LoadGrax);
    int32_t LoadTolmen = DefaultOf(&LauncherSettings::LoadTolmen);
    int32_t LoadVastor = DefaultOf(&LauncherSettings::LoadVastor);
    int32_t LoadKolvane = DefaultOf(&LauncherSettings::LoadKolvane);
    int32_t LoadHurgrax = DefaultOf(&LauncherSettings::LoadHurgrax);
    int32_t LoadHurok = DefaultOf(&LauncherSettings::LoadHurok);
    int32_t LoadZimmit = DefaultOf(&LauncherSettings::LoadZimmit);
    int32_t ShowFPS = DefaultOf(&LauncherSettings::ShowFPS);
    int32_t ShowPolycount = DefaultOf(&LauncherSettings::ShowPolycount);
    int32_t WireFrame = DefaultOf(&LauncherSettings::WireFrame);
    int32_t VerboseText = DefaultOf(&LauncherSettings::VerboseText);
    int32_t Crouchmode = DefaultOf(&LauncherSettings::Crouchmode);
    int32_t Dopplershift = DefaultOf(&LauncherSettings::Dopplershift);
    int32_t Extrapolation = DefaultOf(&LauncherSettings::Extrapolation);
    int32_t AllWeapons = DefaultOf(&LauncherSettings::AllWeapons);
    int32_t GodMode = DefaultOf(&LauncherSettings::GodMode);
    int32_t AddLight = DefaultOf(&LauncherSettings::AddLight);
    int32_t TrackerVolume = DefaultOf(&LauncherSettings::TrackerVolume);
    int32_t TrackerSpeed = DefaultOf(&LauncherSettings::TrackerSpeed);
    int32_t TimeScale = DefaultOf(&LauncherSettings::TimeScale);
    int32_t LeanScale = DefaultOf(&LauncherSettings::LeanScale);
    int32_t SkyRed = DefaultOf(&LauncherSettings::SkyRed);
    int32_t SkyGreen = DefaultOf(&LauncherSettings::SkyGreen);
    int32_t SkyBlue = DefaultOf(&LauncherSettings::SkyBlue);
};

// What loading makes of a stored number (signed 32-bit compare): a switch is 1 when non-zero, else 0; any
// other value outside its range is its default (never clamped).
int32_t LoadedValue(const LauncherOption& option, int32_t stored);

// What saving stores: a switch 1 when non-zero, else 0; any other value as held (a scaled option's whole
// up-down reply).
int32_t SavedValue(const LauncherOption& option, int32_t held);

// An option's value as handed to the game: outside its range, its default.
int32_t SanitizedValue(OptionField field, int32_t value);

#include "settings/launcher_settings.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "res/resource.h"

namespace {

constexpr int32_t AnyMin = std::numeric_limits<int32_t>::min();
constexpr int32_t AnyMax = std::numeric_limits<int32_t>::max();

using S = LauncherSettings;
using K = ControlKind;

// The rows, by the control that shows the option. A switch is off by default and accepts any number.
constexpr LauncherOption CheckBox(const char* name, OptionField field, int id) {
    return {name, field, K::CheckBox, id, 0, 0, AnyMin, AnyMax};
}
constexpr LauncherOption List(const char* name, OptionField field, int id, int32_t def, int32_t min,
                              int32_t max) {
    return {name, field, K::List, id, 0, def, min, max};
}
constexpr LauncherOption UpDown(const char* name, OptionField field, int id, int editId, int32_t def,
                                int32_t min, int32_t max) {
    return {name, field, K::UpDown, id, editId, def, min, max};
}
constexpr LauncherOption Trackbar(const char* name, OptionField field, int id, int labelId, int32_t def,
                                  int32_t min, int32_t max) {
    return {name, field, K::Trackbar, id, labelId, def, min, max};
}

bool InRange(const LauncherOption& option, int32_t number) {
    return number >= option.Min && number <= option.Max;
}

// A switch is on for any non-zero number, and is kept as 1.
int32_t SwitchValue(int32_t number) {
    return number != 0 ? 1 : 0;
}

bool IsSwitch(const LauncherOption& option) {
    return option.Control == K::CheckBox;
}

// The row of the option held in `field`; every field of the record has one.
const LauncherOption& OptionOf(OptionField field) {
    return *std::find_if(std::begin(LauncherOptions), std::end(LauncherOptions),
                         [field](const LauncherOption& option) { return option.Field == field; });
}

} // namespace

const LauncherOption LauncherOptions[LauncherOptionCount] = {
    CheckBox("Debug", &S::Debug, SKV_ID_DEBUG),
    CheckBox("LoadBots", &S::LoadBots, SKV_ID_LOAD_BOTS),
    CheckBox("LoadGrax", &S::LoadGrax, SKV_ID_LOAD_GRAX),
    CheckBox("LoadTolmen", &S::LoadTolmen, SKV_ID_LOAD_TOLMEN),
    CheckBox("LoadVastor", &S::LoadVastor, SKV_ID_LOAD_VASTOR),
    CheckBox("LoadKolvane", &S::LoadKolvane, SKV_ID_LOAD_KOLVANE),
    CheckBox("LoadHurgrax", &S::LoadHurgrax, SKV_ID_LOAD_HURGRAX),
    CheckBox("LoadHurok", &S::LoadHurok, SKV_ID_LOAD_HUROK),
    CheckBox("LoadZimmit", &S::LoadZimmit, SKV_ID_LOAD_ZIMMIT),
    CheckBox("ShowFPS", &S::ShowFPS, SKV_ID_SHOW_FPS),
    CheckBox("ShowPolycount", &S::ShowPolycount, SKV_ID_SHOW_POLYCOUNT),
    List("WireFrame", &S::WireFrame, SKV_ID_WIREFRAME, 0, 0, 3),
    CheckBox("VerboseText", &S::VerboseText, SKV_ID_VERBOSE_TEXT),
    CheckBox("Crouchmode", &S::Crouchmode, SKV_ID_CROUCHMODE),
    CheckBox("Dopplershift", &S::Dopplershift, SKV_ID_DOPPLERSHIFT),
    CheckBox("Extrapolation", &S::Extrapolation, SKV_ID_EXTRAPOLATION),
    CheckBox("AllWeapons", &S::AllWeapons, SKV_ID_ALL_WEAPONS),
    CheckBox("GodMode", &S::GodMode, SKV_ID_GOD_MODE),
    CheckBox("AddLight", &S::AddLight, SKV_ID_ADD_LIGHT),
    UpDown("TrackerVolume", &S::TrackerVolume, SKV_ID_VOLUME_SPIN, SKV_ID_VOLUME_EDIT, 100, 0, 100),
    UpDown("TrackerSpeed", &S::TrackerSpeed, SKV_ID_SPEED_SPIN, SKV_ID_SPEED_EDIT, 100, 0, 1600),
    UpDown("TimeScale", &S::TimeScale, SKV_ID_TIME_SPIN, SKV_ID_TIME_EDIT, 100, 1, 400),
    UpDown("LeanScale", &S::LeanScale, SKV_ID_LEAN_SPIN, SKV_ID_LEAN_EDIT, 100, 0, 1000),
    Trackbar("SkyRed", &S::SkyRed, SKV_ID_SKY_RED, SKV_ID_SKY_RED_LABEL, 50, 0, 255),
    Trackbar("SkyGreen", &S::SkyGreen, SKV_ID_SKY_GREEN, SKV_ID_SKY_GREEN_LABEL, 50, 0, 255),
    Trackbar("SkyBlue", &S::SkyBlue, SKV_ID_SKY_BLUE, SKV_ID_SKY_BLUE_LABEL, 60, 0, 255),
};

int32_t DefaultOf(OptionField field) {
    return OptionOf(field).Default;
}

int32_t LoadedValue(const LauncherOption& option, int32_t stored) {
    if (IsSwitch(option))
        return SwitchValue(stored);
    return InRange(option, stored) ? stored : option.Default;
}

int32_t SavedValue(const LauncherOption& option, int32_t held) {
    if (IsSwitch(option))
        return SwitchValue(held);
    return held;
}

int32_t SanitizedValue(OptionField field, int32_t value) {
    const LauncherOption& option = OptionOf(field);
    return InRange(option, value) ? value : option.Default;
}

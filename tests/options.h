// The 26 stored options as a player and the game see them, written out apart from the launcher's own
// tables: value name, the control that shows it (and its edit box or value label), default and the range
// that loading accepts. Both the native and the Windows tests read these rows.
#pragma once

#include <cstdint>
#include <string>

#include "res/resource.h"

enum class OptionKind { Switch, Mode, Spin, Slider };

struct Option {
    const char* Name;
    OptionKind Kind;
    int Id, TextId;
    int32_t Default, Min, Max; // a switch takes any number: non-zero is on
};

constexpr Option Switch(const char* name, int id) {
    return {name, OptionKind::Switch, id, 0, 0, 0, 1};
}

// In load and save order.
constexpr Option Options[26] = {
    Switch("Debug", SKV_ID_DEBUG),
    Switch("LoadBots", SKV_ID_LOAD_BOTS),
    Switch("LoadGrax", SKV_ID_LOAD_GRAX),
    Switch("LoadTolmen", SKV_ID_LOAD_TOLMEN),
    Switch("LoadVastor", SKV_ID_LOAD_VASTOR),
    Switch("LoadKolvane", SKV_ID_LOAD_KOLVANE),
    Switch("LoadHurgrax", SKV_ID_LOAD_HURGRAX),
    Switch("LoadHurok", SKV_ID_LOAD_HUROK),
    Switch("LoadZimmit", SKV_ID_LOAD_ZIMMIT),
    Switch("ShowFPS", SKV_ID_SHOW_FPS),
    Switch("ShowPolycount", SKV_ID_SHOW_POLYCOUNT),
    {"WireFrame", OptionKind::Mode, SKV_ID_WIREFRAME, 0, 0, 0, 3},
    Switch("VerboseText", SKV_ID_VERBOSE_TEXT),
    Switch("Crouchmode", SKV_ID_CROUCHMODE),
    Switch("Dopplershift", SKV_ID_DOPPLERSHIFT),
    Switch("Extrapolation", SKV_ID_EXTRAPOLATION),
    Switch("AllWeapons", SKV_ID_ALL_WEAPONS),
    Switch("GodMode", SKV_ID_GOD_MODE),
    Switch("AddLight", SKV_ID_ADD_LIGHT),
    {"TrackerVolume", OptionKind::Spin, SKV_ID_VOLUME_SPIN, SKV_ID_VOLUME_EDIT, 100, 0, 100},
    {"TrackerSpeed", OptionKind::Spin, SKV_ID_SPEED_SPIN, SKV_ID_SPEED_EDIT, 100, 0, 1600},
    {"TimeScale", OptionKind::Spin, SKV_ID_TIME_SPIN, SKV_ID_TIME_EDIT, 100, 1, 400},
    {"LeanScale", OptionKind::Spin, SKV_ID_LEAN_SPIN, SKV_ID_LEAN_EDIT, 100, 0, 1000},
    {"SkyRed", OptionKind::Slider, SKV_ID_SKY_RED, SKV_ID_SKY_RED_LABEL, 50, 0, 255},
    {"SkyGreen", OptionKind::Slider, SKV_ID_SKY_GREEN, SKV_ID_SKY_GREEN_LABEL, 50, 0, 255},
    {"SkyBlue", OptionKind::Slider, SKV_ID_SKY_BLUE, SKV_ID_SKY_BLUE_LABEL, 60, 0, 255},
};

// What loading makes of a stored number: a switch is on when non-zero, anything else outside its range
// is its default.
constexpr int32_t Loaded(const Option& option, int32_t stored) {
    if (option.Kind == OptionKind::Switch)
        return stored != 0;
    return stored >= option.Min && stored <= option.Max ? stored : option.Default;
}

// The lines of "startup.cfg" as the tests write them, with "|" for each CR LF.
inline std::string Lines(const std::string& text) {
    std::string bytes;
    for (char c : text)
        bytes += c == '|' ? std::string("\r\n") : std::string(1, c);
    return bytes;
}

// The 26 stored options as a player and the game see them, written out apart from the launcher's own
// tables: value name, the control that shows it (and its edit box or value label), its default, and what
// its control needs to be enabled. Both the native and the Windows tests read these rows.
#pragma once

#include <cstdint>
#include <string>

#include "res/resource.h"

enum class OptionKind { Switch, Mode, Spin, Slider };
// A control is enabled always, while " Debug mode " is ticked, or while " Pre-load Bots: " is ticked too (in
// this order: each needs what the one before needs).
enum class Needs { Nothing, Debug, Bots };

struct Option {
    const char* Name;
    OptionKind Kind;
    int Id, TextId;
    int32_t Default;
    Needs Enabled;
};

// A check box of an option; it needs " Debug mode " ticked unless its row says otherwise.
constexpr Option Switch(const char* name, int id, Needs enabled = Needs::Debug) {
    return {name, OptionKind::Switch, id, 0, 0, enabled};
}

// In load and save order.
constexpr Option Options[26] = {
    // clang-format off
    Switch("Debug", SKV_ID_DEBUG, Needs::Nothing), Switch("LoadBots", SKV_ID_LOAD_BOTS),
    Switch("LoadGrax", SKV_ID_LOAD_GRAX, Needs::Bots), Switch("LoadTolmen", SKV_ID_LOAD_TOLMEN, Needs::Bots),
    Switch("LoadVastor", SKV_ID_LOAD_VASTOR, Needs::Bots),
    Switch("LoadKolvane", SKV_ID_LOAD_KOLVANE, Needs::Bots),
    Switch("LoadHurgrax", SKV_ID_LOAD_HURGRAX, Needs::Bots),
    Switch("LoadHurok", SKV_ID_LOAD_HUROK, Needs::Bots),
    Switch("LoadZimmit", SKV_ID_LOAD_ZIMMIT, Needs::Bots), Switch("ShowFPS", SKV_ID_SHOW_FPS),
    Switch("ShowPolycount", SKV_ID_SHOW_POLYCOUNT),
    {"WireFrame", OptionKind::Mode, SKV_ID_WIREFRAME, 0, 0, Needs::Debug},
    Switch("VerboseText", SKV_ID_VERBOSE_TEXT, Needs::Nothing),
    Switch("Crouchmode", SKV_ID_CROUCHMODE, Needs::Nothing), Switch("Dopplershift", SKV_ID_DOPPLERSHIFT),
    Switch("Extrapolation", SKV_ID_EXTRAPOLATION, Needs::Nothing), Switch("AllWeapons", SKV_ID_ALL_WEAPONS),
    Switch("GodMode", SKV_ID_GOD_MODE), Switch("AddLight", SKV_ID_ADD_LIGHT),
    {"TrackerVolume", OptionKind::Spin, SKV_ID_VOLUME_SPIN, SKV_ID_VOLUME_EDIT, 100, Needs::Nothing},
    {"TrackerSpeed", OptionKind::Spin, SKV_ID_SPEED_SPIN, SKV_ID_SPEED_EDIT, 100, Needs::Debug},
    {"TimeScale", OptionKind::Spin, SKV_ID_TIME_SPIN, SKV_ID_TIME_EDIT, 100, Needs::Debug},
    {"LeanScale", OptionKind::Spin, SKV_ID_LEAN_SPIN, SKV_ID_LEAN_EDIT, 100, Needs::Debug},
    {"SkyRed", OptionKind::Slider, SKV_ID_SKY_RED, SKV_ID_SKY_RED_LABEL, 50, Needs::Debug},
    {"SkyGreen", OptionKind::Slider, SKV_ID_SKY_GREEN, SKV_ID_SKY_GREEN_LABEL, 50, Needs::Debug},
    {"SkyBlue", OptionKind::Slider, SKV_ID_SKY_BLUE, SKV_ID_SKY_BLUE_LABEL, 60, Needs::Debug},
    // clang-format on
};

// `text` with each `mark` replaced: the tests write "|" for each CR LF of "startup.cfg", "@" for a folder.
inline std::string Replaced(std::string text, char mark, const std::string& with) {
    for (size_t at = 0; (at = text.find(mark, at)) != std::string::npos; at += with.size())
        text.replace(at, 1, with);
    return text;
}
inline std::string Lines(const std::string& text) {
    return Replaced(text, '|', "\r\n");
}
// Bytes in lower-case hex pairs, as the stand-in game reports files.
inline std::string Hex(const std::string& bytes) {
    std::string hex;
    for (unsigned char byte : bytes)
        hex += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    return hex;
}

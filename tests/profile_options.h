// The 26 stored options as the launcher's settings define them: value name, the control that shows each,
// default and accepted range; and what loading makes of whatever data a value holds. Written out
// independently of the launcher's own tables; the in-process and the end-to-end tests both read these rows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "res/resource.h"

enum class OptionKind { Switch, Mode, Spin, Slider };

struct ProfileOption {
    const char* Name;
    OptionKind Kind;
    int Id;                    // check box, drop-down list, up-down or trackbar
    int TextId;                // the up-down's buddy edit or the trackbar's value label; 0 otherwise
    int32_t Default, Min, Max; // accepted when loading, inclusive
};

inline constexpr int32_t kAnyMin = std::numeric_limits<int32_t>::min();
inline constexpr int32_t kAnyMax = std::numeric_limits<int32_t>::max();

// In load and save order.
inline constexpr ProfileOption ProfileOptions[] = {
    {"Debug", OptionKind::Switch, SKV_ID_DEBUG, 0, 0, kAnyMin, kAnyMax},
    {"LoadBots", OptionKind::Switch, SKV_ID_LOAD_BOTS, 0, 0, kAnyMin, kAnyMax},
    {"LoadGrax", OptionKind::Switch, SKV_ID_LOAD_GRAX, 0, 0, kAnyMin, kAnyMax},
    {"LoadTolmen", OptionKind::Switch, SKV_ID_LOAD_TOLMEN, 0, 0, kAnyMin, kAnyMax},
    {"LoadVastor", OptionKind::Switch, SKV_ID_LOAD_VASTOR, 0, 0, kAnyMin, kAnyMax},
    {"LoadKolvane", OptionKind::Switch, SKV_ID_LOAD_KOLVANE, 0, 0, kAnyMin, kAnyMax},
    {"LoadHurgrax", OptionKind::Switch, SKV_ID_LOAD_HURGRAX, 0, 0, kAnyMin, kAnyMax},
    {"LoadHurok", OptionKind::Switch, SKV_ID_LOAD_HUROK, 0, 0, kAnyMin, kAnyMax},
    {"LoadZimmit", OptionKind::Switch, SKV_ID_LOAD_ZIMMIT, 0, 0, kAnyMin, kAnyMax},
    {"ShowFPS", OptionKind::Switch, SKV_ID_SHOW_FPS, 0, 0, kAnyMin, kAnyMax},
    {"ShowPolycount", OptionKind::Switch, SKV_ID_SHOW_POLYCOUNT, 0, 0, kAnyMin, kAnyMax},
    {"WireFrame", OptionKind::Mode, SKV_ID_WIREFRAME, 0, 0, 0, 3},
    {"VerboseText", OptionKind::Switch, SKV_ID_VERBOSE_TEXT, 0, 0, kAnyMin, kAnyMax},
    {"Crouchmode", OptionKind::Switch, SKV_ID_CROUCHMODE, 0, 0, kAnyMin, kAnyMax},
    {"Dopplershift", OptionKind::Switch, SKV_ID_DOPPLERSHIFT, 0, 0, kAnyMin, kAnyMax},
    {"Extrapolation", OptionKind::Switch, SKV_ID_EXTRAPOLATION, 0, 0, kAnyMin, kAnyMax},
    {"AllWeapons", OptionKind::Switch, SKV_ID_ALL_WEAPONS, 0, 0, kAnyMin, kAnyMax},
    {"GodMode", OptionKind::Switch, SKV_ID_GOD_MODE, 0, 0, kAnyMin, kAnyMax},
    {"AddLight", OptionKind::Switch, SKV_ID_ADD_LIGHT, 0, 0, kAnyMin, kAnyMax},
    {"TrackerVolume", OptionKind::Spin, SKV_ID_VOLUME_SPIN, SKV_ID_VOLUME_EDIT, 100, 0, 100},
    {"TrackerSpeed", OptionKind::Spin, SKV_ID_SPEED_SPIN, SKV_ID_SPEED_EDIT, 100, 0, 1600},
    {"TimeScale", OptionKind::Spin, SKV_ID_TIME_SPIN, SKV_ID_TIME_EDIT, 100, 1, 400},
    {"LeanScale", OptionKind::Spin, SKV_ID_LEAN_SPIN, SKV_ID_LEAN_EDIT, 100, 0, 1000},
    {"SkyRed", OptionKind::Slider, SKV_ID_SKY_RED, SKV_ID_SKY_RED_LABEL, 50, 0, 255},
    {"SkyGreen", OptionKind::Slider, SKV_ID_SKY_GREEN, SKV_ID_SKY_GREEN_LABEL, 50, 0, 255},
    {"SkyBlue", OptionKind::Slider, SKV_ID_SKY_BLUE, SKV_ID_SKY_BLUE_LABEL, 60, 0, 255},
};
inline constexpr size_t kProfileOptionCount = sizeof ProfileOptions / sizeof ProfileOptions[0];
static_assert(kProfileOptionCount == 26, "the profile holds 26 values");

// Four bytes as a stored REG_DWORD holds them (least significant first).
inline std::string DwordBytes(uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
            static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
}

// What a profile read makes of stored data of any type: the number when there are exactly four bytes,
// nothing (so the caller's default) when there are fewer or more.
inline std::optional<int32_t> StoredNumber(const std::string& bytes) {
    if (bytes.size() != 4)
        return std::nullopt;
    uint32_t number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<int32_t>(number);
}

// What the dialog holds after loading `stored` (nothing: absent or unreadable) on a fresh dialog: a switch
// is on for any nonzero number; anything else outside its range is the default, never clamped.
inline int32_t LoadedOption(const ProfileOption& option, std::optional<int32_t> stored) {
    if (option.Kind == OptionKind::Switch)
        return stored && *stored != 0 ? 1 : 0;
    return stored && *stored >= option.Min && *stored <= option.Max ? *stored : option.Default;
}

// The text an up-down writes into its buddy edit for a non-negative position: decimal digits with the
// user's thousands separator ("," here) between groups of three.
inline std::string BuddyText(int32_t position) {
    std::string digits = std::to_string(position);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

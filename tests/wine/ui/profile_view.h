// The stored options seen from outside the real launcher: what its dialog shows for each of them, setting
// one as a user would, and the profile it leaves behind.
#pragma once

#include "driver/ui_driver.h"
#include "tests/profile_options.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace profile_view {

inline const ProfileOption& Option(const std::string& name) {
    for (const ProfileOption& option : ProfileOptions)
        if (name == option.Name)
            return option;
    ADD_FAILURE() << "no option " << name;
    return ProfileOptions[0];
}

// What the dialog shows for an option, as the number that would be stored: 0/1 for a check box. An
// up-down whose text is no number in range fails the test.
inline int ShownValue(const uidriver::DialogWindow& dialog, const ProfileOption& option) {
    switch (option.Kind) {
    case OptionKind::Switch:
        return dialog.IsChecked(option.Id) ? 1 : 0;
    case OptionKind::Mode:
        return dialog.CurSel(option.Id);
    case OptionKind::Spin: {
        uidriver::DialogWindow::SpinReply reply = dialog.SpinPos(option.Id);
        EXPECT_FALSE(reply.error) << option.Name;
        return reply.position;
    }
    case OptionKind::Slider:
        return dialog.SliderPos(option.Id);
    }
    return -1;
}

// Sets an option as a user would: clicks a check box, chooses in the list, moves a trackbar, types into
// an up-down's edit box. The controls it depends on must be enabled first.
inline void SetShown(const uidriver::DialogWindow& dialog, const ProfileOption& option, int value) {
    switch (option.Kind) {
    case OptionKind::Switch:
        dialog.SetCheck(option.Id, value != 0);
        break;
    case OptionKind::Mode:
        dialog.SelectItem(option.Id, value);
        break;
    case OptionKind::Spin:
        EXPECT_TRUE(dialog.IsEnabled(option.TextId)) << option.Name;
        dialog.SetText(option.TextId, std::to_string(value));
        break;
    case OptionKind::Slider:
        dialog.SetSliderPos(option.Id, value);
        break;
    }
}

// Every one of the 26 values is there as a four-byte REG_DWORD and nothing else is stored; gives them by
// name.
inline std::map<std::string, DWORD> StoredProfile() {
    using namespace uidriver;
    std::map<std::string, DWORD> stored;
    for (const ProfileOption& option : ProfileOptions) {
        std::optional<RegistryValue> value = GetRegistryRaw(HKEY_CURRENT_USER, kProfileKey, option.Name);
        EXPECT_TRUE(value) << option.Name << " not stored";
        if (!value)
            continue;
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD)) << option.Name;
        EXPECT_EQ(value->bytes.size(), 4u) << option.Name;
        if (value->bytes.size() == 4)
            stored[option.Name] = static_cast<DWORD>(*StoredNumber(value->bytes));
    }
    EXPECT_EQ(RegistryValueNames(HKEY_CURRENT_USER, kProfileKey).size(), kProfileOptionCount);
    return stored;
}

// Every option away from its default and inside its accepted range, with Debug mode and Pre-load Bots on
// so that every control they govern is enabled.
inline const std::map<std::string, int> EveryOptionChanged = {
    {"Debug", 1},          {"LoadBots", 1},    {"LoadGrax", 1},    {"LoadTolmen", 1}, {"LoadVastor", 1},
    {"LoadKolvane", 1},    {"LoadHurgrax", 1}, {"LoadHurok", 1},   {"LoadZimmit", 1}, {"ShowFPS", 1},
    {"ShowPolycount", 1},  {"WireFrame", 2},   {"VerboseText", 1}, {"Crouchmode", 1}, {"Dopplershift", 1},
    {"Extrapolation", 1},  {"AllWeapons", 1},  {"GodMode", 1},     {"AddLight", 1},   {"TrackerVolume", 30},
    {"TrackerSpeed", 900}, {"TimeScale", 250}, {"LeanScale", 700}, {"SkyRed", 10},    {"SkyGreen", 20},
    {"SkyBlue", 30},
};

} // namespace profile_view

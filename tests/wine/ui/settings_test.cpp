// The options kept between runs, seen from outside the real launcher: what a stored profile makes the
// next start show, what "Close" stores, text typed into the numeric edit boxes, and "Reset".
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using namespace uidriver;

namespace {

enum class Shown { Check, Combo, Spin, Slider };

struct OptionControl {
    const char* Name;
    Shown Kind;
    int Id;
    DWORD Default;
};

// The 26 stored options and the control that shows each, in load and save order.
const OptionControl Options[] = {
    {"Debug", Shown::Check, SKV_ID_DEBUG, 0},
    {"LoadBots", Shown::Check, SKV_ID_LOAD_BOTS, 0},
    {"LoadGrax", Shown::Check, SKV_ID_LOAD_GRAX, 0},
    {"LoadTolmen", Shown::Check, SKV_ID_LOAD_TOLMEN, 0},
    {"LoadVastor", Shown::Check, SKV_ID_LOAD_VASTOR, 0},
    {"LoadKolvane", Shown::Check, SKV_ID_LOAD_KOLVANE, 0},
    {"LoadHurgrax", Shown::Check, SKV_ID_LOAD_HURGRAX, 0},
    {"LoadHurok", Shown::Check, SKV_ID_LOAD_HUROK, 0},
    {"LoadZimmit", Shown::Check, SKV_ID_LOAD_ZIMMIT, 0},
    {"ShowFPS", Shown::Check, SKV_ID_SHOW_FPS, 0},
    {"ShowPolycount", Shown::Check, SKV_ID_SHOW_POLYCOUNT, 0},
    {"WireFrame", Shown::Combo, SKV_ID_WIREFRAME, 0},
    {"VerboseText", Shown::Check, SKV_ID_VERBOSE_TEXT, 0},
    {"Crouchmode", Shown::Check, SKV_ID_CROUCHMODE, 0},
    {"Dopplershift", Shown::Check, SKV_ID_DOPPLERSHIFT, 0},
    {"Extrapolation", Shown::Check, SKV_ID_EXTRAPOLATION, 0},
    {"AllWeapons", Shown::Check, SKV_ID_ALL_WEAPONS, 0},
    {"GodMode", Shown::Check, SKV_ID_GOD_MODE, 0},
    {"AddLight", Shown::Check, SKV_ID_ADD_LIGHT, 0},
    {"TrackerVolume", Shown::Spin, SKV_ID_VOLUME_SPIN, 100},
    {"TrackerSpeed", Shown::Spin, SKV_ID_SPEED_SPIN, 100},
    {"TimeScale", Shown::Spin, SKV_ID_TIME_SPIN, 100},
    {"LeanScale", Shown::Spin, SKV_ID_LEAN_SPIN, 100},
    {"SkyRed", Shown::Slider, SKV_ID_SKY_RED, 50},
    {"SkyGreen", Shown::Slider, SKV_ID_SKY_GREEN, 50},
    {"SkyBlue", Shown::Slider, SKV_ID_SKY_BLUE, 60},
};

const OptionControl& Option(const std::string& name) {
    for (const OptionControl& option : Options)
        if (name == option.Name)
            return option;
    ADD_FAILURE() << "no option " << name;
    return Options[0];
}

// What the dialog shows for an option, as the number that would be stored: 0/1 for a check box.
int ShownValue(const DialogWindow& dialog, const OptionControl& option) {
    switch (option.Kind) {
    case Shown::Check:
        return dialog.IsChecked(option.Id) ? 1 : 0;
    case Shown::Combo:
        return dialog.CurSel(option.Id);
    case Shown::Spin: {
        DialogWindow::SpinReply reply = dialog.SpinPos(option.Id);
        EXPECT_FALSE(reply.error) << option.Name;
        return reply.position;
    }
    case Shown::Slider:
        return dialog.SliderPos(option.Id);
    }
    return -1;
}

// Every option at its default, in the controls and in the texts the numbers show as.
void ExpectDefaultsShown(const DialogWindow& dialog) {
    for (const OptionControl& option : Options)
        EXPECT_EQ(ShownValue(dialog, option), static_cast<int>(option.Default)) << option.Name;
    for (int edit : {SKV_ID_VOLUME_EDIT, SKV_ID_SPEED_EDIT, SKV_ID_TIME_EDIT, SKV_ID_LEAN_EDIT})
        EXPECT_EQ(dialog.Text(edit), "100") << edit;
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_RED_LABEL), "50");
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_GREEN_LABEL), "50");
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_BLUE_LABEL), "60");
}

std::string Dword(uint32_t value) {
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

class Settings : public ::testing::Test {
  protected:
    void SetUp() override { SetGamePathEntry(game.PathWithoutSeparator()); }

    // Every one of the 26 values is there as a four-byte REG_DWORD; gives them by name.
    std::map<std::string, DWORD> StoredProfile() {
        std::map<std::string, DWORD> stored;
        for (const OptionControl& option : Options) {
            std::optional<RegistryValue> value = GetRegistryRaw(HKEY_CURRENT_USER, kProfileKey, option.Name);
            EXPECT_TRUE(value) << option.Name << " not stored";
            if (!value)
                continue;
            EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD)) << option.Name;
            EXPECT_EQ(value->bytes.size(), 4u) << option.Name;
            if (value->bytes.size() == 4)
                stored[option.Name] = *reinterpret_cast<const DWORD*>(value->bytes.data());
        }
        EXPECT_EQ(RegistryValueNames(HKEY_CURRENT_USER, kProfileKey).size(), std::size(Options));
        return stored;
    }

    void Close(Launcher& launcher, const DialogWindow& dialog) {
        dialog.Click(IDCANCEL);
        ASSERT_TRUE(launcher.WaitForExit());
    }

    CleanRegistry registry;
    GameFolder game;
};

TEST_F(Settings, FirstRunShowsTheDefaultsAndLeavesTheEmptyKey) {
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kProfileKey));
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ExpectDefaultsShown(dialog);

    // Loading alone made the key, and stored nothing in it.
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kProfileKey));
    EXPECT_TRUE(RegistryValueNames(HKEY_CURRENT_USER, kProfileKey).empty());
    launcher.Kill();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kProfileKey));
    EXPECT_TRUE(RegistryValueNames(HKEY_CURRENT_USER, kProfileKey).empty());
}

struct StoredCase {
    const char* Name;
    DWORD Type;
    std::string Bytes; // empty with REG_NONE: the value is absent
    int Shows;         // what the next start shows
    DWORD SavedBack;   // what "Close" then stores
};

// One start per round: the values are stored, the launcher shows them, "Close" stores them back.
const std::vector<std::vector<StoredCase>> StoredRounds = {
    {
        {"Debug", REG_DWORD, Dword(5), 1, 1},
        {"TimeScale", REG_DWORD, Dword(0), 100, 100},
        {"LeanScale", REG_DWORD, Dword(1000), 1000, 1000},
        {"TrackerVolume", REG_DWORD, Dword(0xFFFFFFFF), 100, 100},
        {"SkyBlue", REG_DWORD, Dword(256), 60, 60},
        {"SkyRed", REG_DWORD, Dword(255), 255, 255},
        {"WireFrame", REG_DWORD, Dword(4), 0, 0},
        {"TrackerSpeed", REG_DWORD, Dword(1601), 100, 100},
        {"SkyGreen", REG_SZ, std::string("200\0", 4) + std::string("0\0", 2), 50, 50},
        {"GodMode", REG_DWORD, Dword(0x80000000), 1, 1},
    },
    {
        {"TimeScale", REG_DWORD, Dword(1), 1, 1},
        {"LeanScale", REG_DWORD, Dword(1001), 100, 100},
        {"WireFrame", REG_DWORD, Dword(0xFFFFFFFF), 0, 0},
        {"SkyGreen", REG_BINARY, std::string("\x07\x00", 2), 50, 50},
        {"TrackerSpeed", REG_QWORD, std::string("\x40\x06\x00\x00\x00\x00\x00\x00", 8), 100, 100},
        {"Debug", REG_NONE, "", 0, 0},
        {"ShowFPS", REG_DWORD, Dword(0), 0, 0},
        {"SkyRed", REG_DWORD, Dword(0xFFFFFFFF), 50, 50},
    },
    {
        {"TimeScale", REG_DWORD, Dword(400), 400, 400},
        {"WireFrame", REG_DWORD, Dword(3), 3, 3},
        {"LeanScale", REG_DWORD, Dword(0), 0, 0},
        {"TrackerSpeed", REG_DWORD, Dword(1600), 1600, 1600},
        {"TrackerVolume", REG_DWORD, Dword(0), 0, 0},
        {"SkyBlue", REG_DWORD, Dword(0), 0, 0},
        {"AddLight", REG_DWORD, Dword(1), 1, 1},
    },
    {
        {"TimeScale", REG_DWORD, Dword(401), 100, 100},
        {"TrackerVolume", REG_DWORD, Dword(101), 100, 100},
        {"SkyGreen", REG_DWORD, Dword(255), 255, 255},
        {"LoadZimmit", REG_DWORD, Dword(0xFFFFFFFF), 1, 1},
    },
};

TEST_F(Settings, StoredValuesAndWhatTheNextStartShowsAndStores) {
    for (size_t round = 0; round < StoredRounds.size(); ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        DeleteRegistryKey(HKEY_CURRENT_USER, kProfileKey);
        for (const StoredCase& c : StoredRounds[round])
            if (c.Type != REG_NONE)
                SetRegistryRaw(HKEY_CURRENT_USER, kProfileKey, c.Name, c.Type, c.Bytes);

        Launcher launcher(LaunchOptions::ForGame(game));
        DialogWindow dialog = launcher.WaitForMainWindow();
        for (const StoredCase& c : StoredRounds[round])
            EXPECT_EQ(ShownValue(dialog, Option(c.Name)), c.Shows) << c.Name;
        Close(launcher, dialog);

        std::map<std::string, DWORD> stored = StoredProfile();
        for (const OptionControl& option : Options) {
            DWORD expected = option.Default;
            for (const StoredCase& c : StoredRounds[round])
                if (option.Name == std::string(c.Name))
                    expected = c.SavedBack;
            EXPECT_EQ(stored[option.Name], expected) << option.Name;
        }
    }
}

TEST_F(Settings, TextThatIsNoNumberInRangeStoresAFlaggedNumberAndComesBackAs100) {
    constexpr int Flagged = -1; // stored with the error flag: 65536 or more, the last valid position below
    struct Typed {
        int Edit;
        const char* Name;
        const char* Text;
        int Stored; // Flagged, or the number stored and shown again
    };
    // An empty box reads as 0: refused only where 0 is outside the range (Time starts at 1).
    const std::vector<std::vector<Typed>> rounds = {
        {{SKV_ID_VOLUME_EDIT, "TrackerVolume", "250", Flagged},
         {SKV_ID_SPEED_EDIT, "TrackerSpeed", "-5", Flagged},
         {SKV_ID_TIME_EDIT, "TimeScale", "abc", Flagged},
         {SKV_ID_LEAN_EDIT, "LeanScale", "", 0}},
        {{SKV_ID_VOLUME_EDIT, "TrackerVolume", "volume", Flagged},
         {SKV_ID_SPEED_EDIT, "TrackerSpeed", "", 0},
         {SKV_ID_TIME_EDIT, "TimeScale", "", Flagged},
         {SKV_ID_LEAN_EDIT, "LeanScale", "12x", Flagged}},
        {{SKV_ID_VOLUME_EDIT, "TrackerVolume", "-5", Flagged},
         {SKV_ID_SPEED_EDIT, "TrackerSpeed", "1601", Flagged},
         {SKV_ID_TIME_EDIT, "TimeScale", "0", Flagged},
         {SKV_ID_LEAN_EDIT, "LeanScale", "99999", Flagged}},
    };
    const std::map<std::string, DWORD> lastValid = {
        {"TrackerVolume", 40}, {"TrackerSpeed", 1200}, {"TimeScale", 7}, {"LeanScale", 300}};
    for (size_t round = 0; round < rounds.size(); ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        DeleteRegistryKey(HKEY_CURRENT_USER, kProfileKey);
        SetProfileDword("Debug", 1); // every edit box enabled, as for a user typing
        for (const auto& [name, value] : lastValid)
            SetProfileDword(name.c_str(), value);
        {
            Launcher launcher(LaunchOptions::ForGame(game));
            DialogWindow dialog = launcher.WaitForMainWindow();
            for (const Typed& typed : rounds[round]) {
                ASSERT_TRUE(dialog.IsEnabled(typed.Edit)) << typed.Name;
                dialog.SetText(typed.Edit, typed.Text);
            }
            Close(launcher, dialog);
        }
        std::map<std::string, DWORD> stored = StoredProfile();
        for (const Typed& typed : rounds[round]) {
            SCOPED_TRACE(std::string(typed.Name) + " \"" + typed.Text + "\"");
            if (typed.Stored == Flagged) {
                EXPECT_GE(stored[typed.Name], 65536u);
                EXPECT_EQ(stored[typed.Name] & 0xFFFF, lastValid.at(typed.Name));
            } else {
                EXPECT_EQ(stored[typed.Name], static_cast<DWORD>(typed.Stored));
            }
        }

        Launcher next(LaunchOptions::ForGame(game));
        DialogWindow dialog = next.WaitForMainWindow();
        for (const Typed& typed : rounds[round]) {
            int shown = typed.Stored == Flagged ? 100 : typed.Stored;
            EXPECT_EQ(ShownValue(dialog, Option(typed.Name)), shown) << typed.Name;
            EXPECT_EQ(dialog.Text(typed.Edit), std::to_string(shown)) << typed.Name;
        }
        next.Kill();
    }
}

// Every option away from its default, all inside the accepted ranges.
const std::map<std::string, DWORD> Changed = {
    {"Debug", 1},          {"LoadBots", 1},    {"LoadGrax", 1},    {"LoadTolmen", 1}, {"LoadVastor", 1},
    {"LoadKolvane", 1},    {"LoadHurgrax", 1}, {"LoadHurok", 1},   {"LoadZimmit", 1}, {"ShowFPS", 1},
    {"ShowPolycount", 1},  {"WireFrame", 2},   {"VerboseText", 1}, {"Crouchmode", 1}, {"Dopplershift", 1},
    {"Extrapolation", 1},  {"AllWeapons", 1},  {"GodMode", 1},     {"AddLight", 1},   {"TrackerVolume", 30},
    {"TrackerSpeed", 900}, {"TimeScale", 250}, {"LeanScale", 700}, {"SkyRed", 10},    {"SkyGreen", 20},
    {"SkyBlue", 30},
};

using Reset = Settings;

TEST_F(Reset, ShowsTheDefaultsAndCloseStoresThem) {
    for (const auto& [name, value] : Changed)
        SetProfileDword(name.c_str(), value);
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    for (const OptionControl& option : Options)
        EXPECT_EQ(ShownValue(dialog, option), static_cast<int>(Changed.at(option.Name))) << option.Name;
    ASSERT_TRUE(dialog.Click(SKV_ID_RESET));

    ExpectDefaultsShown(dialog);
    // Debug is off again, so what depends on it is disabled; the Volume pair stays enabled.
    EXPECT_FALSE(dialog.IsEnabled(SKV_ID_LOAD_BOTS));
    EXPECT_FALSE(dialog.IsEnabled(SKV_ID_SPEED_EDIT));
    EXPECT_FALSE(dialog.IsEnabled(SKV_ID_LOAD_GRAX));
    EXPECT_TRUE(dialog.IsEnabled(SKV_ID_VOLUME_EDIT));

    // Nothing stored yet.
    for (const auto& [name, value] : Changed)
        EXPECT_EQ(GetProfileDword(name.c_str()), std::optional<DWORD>(value)) << name;

    Close(launcher, dialog);
    std::map<std::string, DWORD> stored = StoredProfile();
    for (const OptionControl& option : Options)
        EXPECT_EQ(stored[option.Name], option.Default) << option.Name;
}

TEST_F(Reset, ThenEndingTheProcessLeavesTheProfileAsItWas) {
    for (const auto& [name, value] : Changed)
        SetProfileDword(name.c_str(), value);
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.Click(SKV_ID_RESET));
    EXPECT_FALSE(dialog.IsChecked(SKV_ID_DEBUG));
    launcher.Kill();
    ASSERT_TRUE(launcher.WaitForExit());

    std::map<std::string, DWORD> stored = StoredProfile();
    for (const auto& [name, value] : Changed)
        EXPECT_EQ(stored[name], value) << name;
}

} // namespace

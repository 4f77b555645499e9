// The options kept between runs, seen from outside the real launcher: what a stored profile makes the
// next start show, what "Close" stores, text typed into the numeric edit boxes, and "Reset".
#include "driver/ui_driver.h"
#include "profile_view.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using namespace uidriver;
using namespace profile_view;

namespace {

// Every option at its default, in the controls and in the texts the numbers show as.
void ExpectDefaultsShown(const DialogWindow& dialog) {
    for (const ProfileOption& option : ProfileOptions)
        EXPECT_EQ(ShownValue(dialog, option), option.Default) << option.Name;
    for (int edit : {SKV_ID_VOLUME_EDIT, SKV_ID_SPEED_EDIT, SKV_ID_TIME_EDIT, SKV_ID_LEAN_EDIT})
        EXPECT_EQ(dialog.Text(edit), "100") << edit;
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_RED_LABEL), "50");
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_GREEN_LABEL), "50");
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_BLUE_LABEL), "60");
}

class Settings : public ::testing::Test {
  protected:
    void SetUp() override { SetGamePathEntry(game.PathWithoutSeparator()); }

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
        {"Debug", REG_DWORD, DwordBytes(5), 1, 1},
        {"TimeScale", REG_DWORD, DwordBytes(0), 100, 100},
        {"LeanScale", REG_DWORD, DwordBytes(1000), 1000, 1000},
        {"TrackerVolume", REG_DWORD, DwordBytes(0xFFFFFFFF), 100, 100},
        {"SkyBlue", REG_DWORD, DwordBytes(256), 60, 60},
        {"SkyRed", REG_DWORD, DwordBytes(255), 255, 255},
        {"WireFrame", REG_DWORD, DwordBytes(4), 0, 0},
        {"TrackerSpeed", REG_DWORD, DwordBytes(1601), 100, 100},
        {"SkyGreen", REG_SZ, std::string("200\0", 4) + std::string("0\0", 2), 50, 50},
        {"GodMode", REG_DWORD, DwordBytes(0x80000000), 1, 1},
    },
    {
        {"TimeScale", REG_DWORD, DwordBytes(1), 1, 1},
        {"LeanScale", REG_DWORD, DwordBytes(1001), 100, 100},
        {"WireFrame", REG_DWORD, DwordBytes(0xFFFFFFFF), 0, 0},
        {"SkyGreen", REG_BINARY, std::string("\x07\x00", 2), 50, 50},
        {"TrackerSpeed", REG_QWORD, std::string("\x40\x06\x00\x00\x00\x00\x00\x00", 8), 100, 100},
        {"Debug", REG_NONE, "", 0, 0},
        {"ShowFPS", REG_DWORD, DwordBytes(0), 0, 0},
        {"SkyRed", REG_DWORD, DwordBytes(0xFFFFFFFF), 50, 50},
    },
    {
        {"TimeScale", REG_DWORD, DwordBytes(400), 400, 400},
        {"WireFrame", REG_DWORD, DwordBytes(3), 3, 3},
        {"LeanScale", REG_DWORD, DwordBytes(0), 0, 0},
        {"TrackerSpeed", REG_DWORD, DwordBytes(1600), 1600, 1600},
        {"TrackerVolume", REG_DWORD, DwordBytes(0), 0, 0},
        {"SkyBlue", REG_DWORD, DwordBytes(0), 0, 0},
        {"AddLight", REG_DWORD, DwordBytes(1), 1, 1},
    },
    {
        {"TimeScale", REG_DWORD, DwordBytes(401), 100, 100},
        {"TrackerVolume", REG_DWORD, DwordBytes(101), 100, 100},
        {"SkyGreen", REG_DWORD, DwordBytes(255), 255, 255},
        {"LoadZimmit", REG_DWORD, DwordBytes(0xFFFFFFFF), 1, 1},
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
        for (const ProfileOption& option : ProfileOptions) {
            DWORD expected = static_cast<DWORD>(option.Default);
            for (const StoredCase& c : StoredRounds[round])
                if (option.Name == std::string(c.Name))
                    expected = c.SavedBack;
            EXPECT_EQ(stored[option.Name], expected) << option.Name;
        }
    }
}

// All 26 values hold the same data of one registry type: four bytes are read as they lie, whatever the
// type; fewer or more give the defaults. "Close" then rewrites every value as a REG_DWORD.
TEST_F(Settings, AllValuesOfOneRegistryTypeLoadByTheRulesAndCloseRewritesThemAsDwords) {
    const struct {
        const char* What;
        DWORD Type;
        std::string Bytes;
    } cases[] = {
        {"string \"d\" padded to four bytes (100)", REG_SZ, std::string("d\0\0\0", 4)},
        {"multi-string \"\\3\" (four bytes, 3)", REG_MULTI_SZ, std::string("\x03\0\0\0", 4)},
        {"binary of three bytes", REG_BINARY, std::string("\x02\0\0", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        DeleteRegistryKey(HKEY_CURRENT_USER, kProfileKey);
        for (const ProfileOption& option : ProfileOptions)
            SetRegistryRaw(HKEY_CURRENT_USER, kProfileKey, option.Name, c.Type, c.Bytes);
        const std::optional<int32_t> number = StoredNumber(c.Bytes);

        Launcher launcher(LaunchOptions::ForGame(game));
        DialogWindow dialog = launcher.WaitForMainWindow();
        for (const ProfileOption& option : ProfileOptions) {
            const int32_t loaded = LoadedOption(option, number);
            EXPECT_EQ(ShownValue(dialog, option), loaded) << option.Name;
            if (option.Kind == OptionKind::Spin) {
                EXPECT_EQ(dialog.Text(option.TextId), BuddyText(loaded)) << option.Name;
            } else if (option.Kind == OptionKind::Slider) {
                EXPECT_EQ(dialog.Text(option.TextId), std::to_string(loaded)) << option.Name;
            }
        }
        EXPECT_EQ(dialog.IsEnabled(SKV_ID_SPEED_EDIT), LoadedOption(Option("Debug"), number) != 0);
        Close(launcher, dialog);

        std::map<std::string, DWORD> stored = StoredProfile();
        for (const ProfileOption& option : ProfileOptions)
            EXPECT_EQ(stored[option.Name], static_cast<DWORD>(LoadedOption(option, number))) << option.Name;
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

const std::map<std::string, int>& Changed = EveryOptionChanged;

using Reset = Settings;

TEST_F(Reset, ShowsTheDefaultsAndCloseStoresThem) {
    for (const auto& [name, value] : Changed)
        SetProfileDword(name.c_str(), value);
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    for (const ProfileOption& option : ProfileOptions)
        EXPECT_EQ(ShownValue(dialog, option), Changed.at(option.Name)) << option.Name;
    ASSERT_TRUE(dialog.Click(SKV_ID_RESET));

    ExpectDefaultsShown(dialog);
    // Debug is off again, so what depends on it is disabled; the Volume pair stays enabled.
    EXPECT_FALSE(dialog.IsEnabled(SKV_ID_LOAD_BOTS));
    EXPECT_FALSE(dialog.IsEnabled(SKV_ID_SPEED_EDIT));
    EXPECT_FALSE(dialog.IsEnabled(SKV_ID_LOAD_GRAX));
    EXPECT_TRUE(dialog.IsEnabled(SKV_ID_VOLUME_EDIT));

    // Nothing stored yet.
    for (const auto& [name, value] : Changed)
        EXPECT_EQ(GetProfileDword(name.c_str()), std::optional<DWORD>(static_cast<DWORD>(value))) << name;

    Close(launcher, dialog);
    std::map<std::string, DWORD> stored = StoredProfile();
    for (const ProfileOption& option : ProfileOptions)
        EXPECT_EQ(stored[option.Name], static_cast<DWORD>(option.Default)) << option.Name;
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
        EXPECT_EQ(stored[name], static_cast<DWORD>(value)) << name;
}

} // namespace

// Two launchers open at once on the same game and the same per-user profile: each keeps its own options
// on screen, and whichever saves last ("Close" or "Start") leaves all 26 values in the profile, whole.
#include "driver/ui_driver.h"
#include "profile_view.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace uidriver;
using namespace profile_view;

namespace {

using Values = std::map<std::string, int>;

// Both sets have Debug mode and Pre-load Bots on, so every control they set is enabled; they differ in
// every other value.
const Values& First = EveryOptionChanged;
const Values Second = {
    {"Debug", 1},           {"LoadBots", 1},    {"LoadGrax", 0},    {"LoadTolmen", 0}, {"LoadVastor", 0},
    {"LoadKolvane", 0},     {"LoadHurgrax", 0}, {"LoadHurok", 0},   {"LoadZimmit", 0}, {"ShowFPS", 0},
    {"ShowPolycount", 0},   {"WireFrame", 3},   {"VerboseText", 0}, {"Crouchmode", 0}, {"Dopplershift", 0},
    {"Extrapolation", 0},   {"AllWeapons", 0},  {"GodMode", 0},     {"AddLight", 0},   {"TrackerVolume", 5},
    {"TrackerSpeed", 1600}, {"TimeScale", 1},   {"LeanScale", 0},   {"SkyRed", 255},   {"SkyGreen", 0},
    {"SkyBlue", 128},
};

// Top-level dialogs that carry the launcher's title, however many processes show one.
std::vector<HWND> LauncherWindows() {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", kAppTitle)) != nullptr;)
        if (IsWindowVisible(window))
            found.push_back(window);
    return found;
}

class TwoLaunchers : public ::testing::Test {
  protected:
    void SetUp() override { SetGamePathEntry(game.PathWithoutSeparator()); }

    // Both launchers started on a first run, each with its own main dialog.
    void StartBoth() {
        for (int i = 0; i < 2; ++i) {
            launchers[i] = std::make_unique<Launcher>(LaunchOptions::ForGame(game));
            dialogs[i] = launchers[i]->WaitForMainWindow();
            ASSERT_TRUE(dialogs[i].IsOpen()) << "launcher " << i;
        }
        ASSERT_NE(dialogs[0].Handle(), dialogs[1].Handle());
        std::vector<HWND> windows = LauncherWindows();
        ASSERT_EQ(windows.size(), 2u);
        for (const DialogWindow& dialog : dialogs)
            EXPECT_NE(std::find(windows.begin(), windows.end(), dialog.Handle()), windows.end());
    }

    static void Set(const DialogWindow& dialog, const Values& values) {
        // In load order: Debug mode and Pre-load Bots come first and enable the rest.
        for (const ProfileOption& option : ProfileOptions)
            SetShown(dialog, option, values.at(option.Name));
    }

    static void ExpectShown(const DialogWindow& dialog, const Values& values) {
        for (const ProfileOption& option : ProfileOptions)
            EXPECT_EQ(ShownValue(dialog, option), values.at(option.Name)) << option.Name;
    }

    static void ExpectStored(const Values& values) {
        std::map<std::string, DWORD> stored = StoredProfile();
        for (const ProfileOption& option : ProfileOptions)
            EXPECT_EQ(stored[option.Name], static_cast<DWORD>(values.at(option.Name))) << option.Name;
    }

    void Close(int which) {
        ASSERT_TRUE(dialogs[which].Click(IDCANCEL));
        ASSERT_TRUE(launchers[which]->WaitForExit());
    }

    CleanRegistry registry;
    GameFolder game;
    std::unique_ptr<Launcher> launchers[2];
    DialogWindow dialogs[2];
};

TEST_F(TwoLaunchers, TheOneClosedLastLeavesItsValuesWhole) {
    const Values* sets[2] = {&First, &Second};
    for (int closedFirst : {0, 1}) {
        SCOPED_TRACE(closedFirst == 0 ? "first launcher closed first" : "second launcher closed first");
        DeleteRegistryKey(HKEY_CURRENT_USER, kProfileKey);
        StartBoth();
        Set(dialogs[0], *sets[0]);
        Set(dialogs[1], *sets[1]);
        ExpectShown(dialogs[0], *sets[0]);
        ExpectShown(dialogs[1], *sets[1]);

        Close(closedFirst);
        ExpectStored(*sets[closedFirst]);
        // The other one still shows its own values and stores them over the first one's.
        const int closedLast = 1 - closedFirst;
        ExpectShown(dialogs[closedLast], *sets[closedLast]);
        Close(closedLast);
        ExpectStored(*sets[closedLast]);
        EXPECT_TRUE(LauncherWindows().empty());
    }
}

TEST_F(TwoLaunchers, StartInOneLeavesTheOtherOpenWithItsOwnValues) {
    StartBoth();
    Set(dialogs[0], First);
    Set(dialogs[1], Second);

    ASSERT_TRUE(dialogs[0].Click(IDOK));
    ASSERT_TRUE(launchers[0]->WaitForExit());
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(
        report->startupCfg,
        std::string("EXPV 1\r\nCROUCHMODE 1\r\nEXTRAPOLATE_MOVEMENT 1\r\nMOTIONTRACKERVOLUME 0.30\r\n"
                    "SKY_RED 10\r\nSKY_GREEN 20\r\nSKY_BLUE 30\r\nMOTIONTRACKERSPEED 9.00\r\n"
                    "LEANSCALE 7.00\r\nTIMESCALE 2.50\r\nWIREFRAMEMODE 2\r\nSHOWFPS\r\nSHOWPOLYCOUNT\r\n"
                    "DOPPLERSHIFT 1\r\nGIVEALLWEAPONS\r\nGOD\r\nLIGHT\r\n"));
    ExpectStored(First);

    // The second launcher neither noticed nor took anything from the first one's start.
    ASSERT_TRUE(launchers[1]->IsRunning());
    ASSERT_EQ(LauncherWindows(), std::vector<HWND>{dialogs[1].Handle()});
    ExpectShown(dialogs[1], Second);
    Close(1);
    ExpectStored(Second);
    // Its "Close" wrote no start-up file over the one the game was given.
    EXPECT_EQ(game.ReadFile("startup.cfg"), report->startupCfg);
}

} // namespace

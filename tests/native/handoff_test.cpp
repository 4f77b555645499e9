// What the game is told: the level identifiers, the command line and the start-up file "startup.cfg".
#include "handoff/command_line.h"
#include "handoff/game_launch.h"
#include "handoff/startup_config.h"
#include "levels/level_table.h"

#include "tests/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every level of the menu as the game is told about it (the menu's labels in the comments, in command
// order), and no level for "No Level" or the commands next to the menu's. The level filter records the
// menu's commands only.
TEST(LevelTable, IdentifierOfEveryCommand) {
    const std::pair<uint32_t, const char*> rows[] = {
        // clang-format off
        {32770, nullptr}, // before the first level
        // Grax: Level 1 - Ossary, 2 - Runnel, 3 - Velmaro, 4 - Portsend, 5 - Loamward; Bonus 1 - Tavvix,
        // 2 - Hulkmoor, 3 - Quessara, 4 - Grottel, 5 - Pyrewall 288
        {32771, "Ossary"}, {32772, "Runnel"}, {32773, "Quent03"}, {32774, "Drov101"}, {32775, "Brakka"},
        {32776, "Tavvix_A"}, {32777, "Hulkmoor_A"}, {32778, "Vembra_a"}, {32779, "Grottel_A"},
        {32780, "pyrewall_a"},
        // Vastor: Level 1 - Hulkmoor, 2 - Settlem, 3 - Tavvix, 4 - Highring, 5 - Quessara, 6 - Baydock;
        // Bonus 1 - Ossary, 2 - Cofferd, 3 - Velmaro, 4 - Portsend, 5 - Spillway
        {32781, "Hulkmoor"}, {32782, "Kelvd1"}, {32783, "Tavvix"}, {32784, "lurmanis"}, {32785, "Vembra"},
        {32786, "Baydock"}, {32787, "Ossary_M"}, {32788, "Cofferd_M"}, {32789, "Quent03_M"},
        {32790, "Drov101_M"}, {32791, "Spill_m"},
        // Hurok: Level 1 - Spillway, 2 - Zone 71, 3 - Cofferd, 4 - Pyrewall 288, 5 - Grottel, 6 - Skirmel;
        // Bonus 1 - Tavvix, 2 - Runnel, 3 - Ossary, 4 - Loamward, 5 - Quessara
        {32792, "Spill"}, {32793, "Zone71"}, {32794, "Cofferd"}, {32795, "Pyrewall"}, {32796, "Grottel"},
        {32797, "Skirmel"}, {32798, "Tavvix_P"}, {32799, "runnel_p"}, {32800, "Ossary_p"},
        {32801, "Brakka_P"}, {32802, "Vembra_p"},
        // Deathmatch: Culvara, Carnath, Effigon, Rydex, Nestra; Coop: Culvara, Rydex, Castoff, Nestra,
        // Snarewood
        {32803, "Orv-dm"}, {32804, "Q7demo"}, {32805, "Effigon"}, {32806, "Rydex"}, {32807, "Nestra"},
        {32808, "Orv-dm-coop"}, {32809, "Rydexcoop"}, {32810, "tams-co-op"}, {32811, "Nestra_c"},
        {32812, "Snarewood"},
        {32813, nullptr}, {32814, nullptr}, // "No Level", and the command after it
        // clang-format on
    };
    for (const auto& [command, identifier] : rows) {
        EXPECT_STREQ(LevelIdentifier(command), identifier) << command;
        EXPECT_EQ(IsLevelMenuCommand(command), identifier || command == 32813) << command;
    }
}

// (Each species' letter, bound to its check box, reaches the game through the real launcher under Wine.)
TEST(BuildCommandLine, TypicalInputs) {
    const struct {
        const char* Case;
        LauncherSettings
            Settings; // Debug, LoadBots, then Grax, Tolmen, Vastor, Kolvane, Hurgrax, Hurok, Zimmit
        uint32_t Level;
        const char* Expected;
    } rows[] = {
        // clang-format off
        {"nothing", {}, SKV_CMD_NO_LEVEL, ""}, {"level only", {}, 32771, "-n Ossary"},
        {"debug", {1}, SKV_CMD_NO_LEVEL, "-debug"},
        {"debug and a renamed level", {1}, 32773, "-debug -n Quent03"},
        {"bots without species", {1, 1}, SKV_CMD_NO_LEVEL, "-debug -l"},
        {"every species", {1, 1, 1, 1, 1, 1, 1, 1, 1}, SKV_CMD_NO_LEVEL, "-debug -lacmprtx"},
        {"species left over, bots off", {1, 0, 1, 1, 1, 1, 1, 1, 1}, SKV_CMD_NO_LEVEL, "-debug"},
        {"bots and species without debug", {0, 1, 1, 1, 1, 1, 1, 1, 1}, 32771, "-n Ossary"},
        {"nonzero flags count as set", {7, -1, 2, 2, 2, 2, 2, 2, 2}, 32812, "-debug -lacmprtx -n Snarewood"},
        {"command outside the table", {1}, 32814, "-debug"},
        // clang-format on
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildCommandLine(row.Settings, row.Level), row.Expected) << row.Case;
}

// A shell that gives each start the next of its replies (then Failed); what it is asked and shows is logged.
struct FakeShell : GameShell {
    std::vector<ShellStart> Replies;
    std::string Log;
    size_t Starts = 0;
    ShellStart Start(const std::string& file, const std::string& parameters, const char* folder) override {
        Log += "start " + file + " " + parameters + " in " + (folder ? folder : "the current folder") + " | ";
        return Starts < Replies.size() ? Replies[Starts++] : ShellStart::Failed;
    }
    void ShowStartFailed() override { Log += "failed | "; }
};

// (A start by the path, by the bare name after it, and the message when both fail, are the real launcher's
// under Wine, which shows no elevation prompt.)
TEST(LaunchGame, AttemptsAndMessage) {
    const struct {
        const char* Case;
        std::vector<ShellStart> Replies;
        bool Started;
        const char* Log;
    } rows[] = {
        {"elevation prompt declined", {ShellStart::Cancelled}, false, "start C:\\G\\Skv.exe -debug in C:\\G\\ | "},
    };
    for (const auto& row : rows) {
        FakeShell shell;
        shell.Replies = row.Replies;
        EXPECT_EQ(LaunchGame(shell, "C:\\G\\Skv.exe", "C:\\G\\", "-debug"), row.Started) << row.Case;
        EXPECT_EQ(shell.Log, row.Log) << row.Case;
    }
}

// The high word of an up-down reply whose edit box holds no number in range.
constexpr int32_t Error = 0x10000;
const std::string Plain = "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME ";
const std::string Debug =
    "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|SKY_RED 1|SKY_GREEN 2|SKY_BLUE 3|";

// The controls' readings: the up-downs' whole replies (error flag in the high word), the trackbars'
// positions.
struct Positions {
    int32_t Volume, Speed, Time, Lean, Red, Green, Blue;
};

LauncherSettings With(LauncherSettings settings, const Positions& read) {
    settings.TrackerVolume = read.Volume, settings.TrackerSpeed = read.Speed, settings.TimeScale = read.Time;
    settings.LeanScale = read.Lean, settings.SkyRed = read.Red, settings.SkyGreen = read.Green;
    settings.SkyBlue = read.Blue;
    return settings;
}

// (The real launcher writes the file under Wine from two complementary sets of options too.)
TEST(StartupConfig, WholeFileForEachCase) {
    const struct {
        const char* Case;
        LauncherSettings
            Settings;   // Debug, the eight bot flags, ShowFPS, ShowPolycount, WireFrame, VerboseText,
                        // Crouchmode, Dopplershift, Extrapolation, AllWeapons, GodMode, AddLight
        Positions Read; // volume, speed, time, lean, red, green, blue
        std::string Expected;
    } rows[] = {
        // clang-format off
        {"defaults", {}, {100, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {"no debug: debug-only choices left out, odd values unread",
         {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, -3, 1, 1, 1, 1, 1, 1}, {100, 1601, 0, -1, 300, -4, 9}, "EXPV 1|"
         "CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 1.00|"},
        {"volume 101 out of range", {}, {101, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {"volume -1 out of range", {}, {-1, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {"volume edit box holding no number", {}, {Error | 5, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {"debug with every flag and the range ends",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 1}, {100, 1600, 1, 0, 50, 50, 60}, "EXPV 1|"
         "CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 1.00|SKY_RED 50|SKY_GREEN 50|SKY_BLUE 60|"
         "MOTIONTRACKERSPEED 16.00|LEANSCALE 0.00|TIMESCALE 0.01|WIREFRAMEMODE 3|SHOWFPS|SHOWPOLYCOUNT|"
         "DOPPLERSHIFT 1|GIVEALLWEAPONS|GOD|LIGHT|"},
        {"debug with values just below their ranges, no texture selected",
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, {100, -1, 0, -1, 1, 2, 3}, Debug + "MOTIONTRACKERSPEED 1.00|"
         "LEANSCALE 1.00|TIMESCALE 1.00|WIREFRAMEMODE 0|DOPPLERSHIFT 0|"},
        {"debug with values just above their ranges, texture 4", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4},
         {100, 1601, 401, 1001, 1, 2, 3}, Debug + "MOTIONTRACKERSPEED 1.00|LEANSCALE 1.00|TIMESCALE 1.00|"
         "WIREFRAMEMODE 0|DOPPLERSHIFT 0|"},
        {"debug with every edit box holding no number", {1},
         {Error, Error | 250, Error | 5, Error | 7, 1, 2, 3}, Debug + "MOTIONTRACKERSPEED 1.00|"
         "LEANSCALE 1.00|TIMESCALE 1.00|WIREFRAMEMODE 0|DOPPLERSHIFT 0|"},
        // clang-format on
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildStartupConfig(With(row.Settings, row.Read)), Lines(row.Expected)) << row.Case;
}

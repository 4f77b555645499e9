// What the game is told: the level identifiers, the command line and the start-up file "startup.cfg".
#include "handoff/command_line.h"
#include "handoff/game_launch.h"
#include "handoff/startup_config.h"
#include "levels/level_table.h"

#include "tests/options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

// Every level of the menu as the game is told about it, from command 32771 on (the menu's labels in the
// comments, in command order), and no level for "No Level" (32813) or the commands next to the menu's.
// The level filter records the menu's commands only.
TEST(LevelTable, IdentifierOfEveryCommand) {
    std::istringstream identifiers(
        // Grax: Level 1 - Ossary, 2 - Runnel, 3 - Velmaro, 4 - Portsend, 5 - Loamward; Bonus 1 - Tavvix,
        // 2 - Hulkmoor, 3 - Quessara, 4 - Grottel, 5 - Pyrewall 288
        "Ossary Runnel Quent03 Drov101 Brakka Tavvix_A Hulkmoor_A Vembra_a Grottel_A pyrewall_a "
        // Vastor: Level 1 - Hulkmoor, 2 - Settlem, 3 - Tavvix, 4 - Highring, 5 - Quessara, 6 - Baydock;
        // Bonus 1 - Ossary, 2 - Cofferd, 3 - Velmaro, 4 - Portsend, 5 - Spillway
        "Hulkmoor Kelvd1 Tavvix lurmanis Vembra Baydock Ossary_M Cofferd_M Quent03_M Drov101_M Spill_m "
        // Hurok: Level 1 - Spillway, 2 - Zone 71, 3 - Cofferd, 4 - Pyrewall 288, 5 - Grottel, 6 - Skirmel;
        // Bonus 1 - Tavvix, 2 - Runnel, 3 - Ossary, 4 - Loamward, 5 - Quessara
        "Spill Zone71 Cofferd Pyrewall Grottel Skirmel Tavvix_P runnel_p Ossary_p Brakka_P Vembra_p "
        // Deathmatch: Culvara, Carnath, Effigon, Rydex, Nestra; Coop: Culvara, Rydex, Castoff, Nestra,
        // Snarewood
        "Orv-dm Q7demo Effigon Rydex Nestra Orv-dm-coop Rydexcoop tams-co-op Nestra_c Snarewood");
    for (uint32_t command = 32770; command <= 32814; ++command) {
        std::string identifier; // none before the first level, for "No Level" and after it
        if (command > 32770 && command < 32813)
            identifiers >> identifier;
        EXPECT_STREQ(LevelIdentifier(command), identifier.empty() ? nullptr : identifier.c_str()) << command;
        EXPECT_EQ(IsLevelMenuCommand(command), command > 32770 && command < 32814) << command;
    }
}

// (Each species' letter, bound to its check box, and bots left out without debug mode reach the game through
// the real launcher under Wine.)
TEST(BuildCommandLine, TypicalInputs) {
    // Settings: Debug, LoadBots, then Grax, Tolmen, Vastor, Kolvane, Hurgrax, Hurok, Zimmit. Level 32813:
    // "No Level".
    // clang-format off
    const struct { const char* Case; LauncherSettings Settings; uint32_t Level; const char* Line; } rows[] = {
        {"nothing", {}, 32813, ""}, {"level only", {}, 32771, "-n Ossary"}, {"debug", {1}, 32813, "-debug"},
        {"bots without species", {1, 1}, 32813, "-debug -l"},
        {"species left over, bots off", {1, 0, 1, 1, 1, 1, 1, 1, 1}, 32813, "-debug"},
        {"every species, nonzero flags as set", {7, -1, 2, 2, 2, 2, 2, 2, 2}, 32812, "-debug -lacmprtx -n Snarewood"},
        {"command outside the table", {1}, 32814, "-debug"},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(BuildCommandLine(row.Settings, row.Level), row.Line) << row.Case;
}

// A shell that answers each start as scripted; what it is asked and shows is logged.
struct ScriptedShell : GameShell {
    std::vector<ShellStart> Answers; // in turn
    size_t Tried = 0;
    std::string Log;
    ShellStart Start(const std::string& file, const std::string& parameters, const char* folder) override {
        Log += "start " + file + " " + parameters + " in " + (folder ? folder : "the current folder") + " | ";
        return Answers.at(Tried++);
    }
    void ShowStartFailed() override { Log += "failed | "; }
};

// What each attempt hands the shell: the game's path in its folder, then the bare name, which the shell finds
// in the current folder (the game's), with the same command line; the message only when both fail. A start
// the player declined (the elevation prompt of a game set to run as administrator) is not tried again, and
// nothing is said. (Wine shows no elevation prompt; the real shell's starts are the real launcher's.)
TEST(LaunchGame, WhatEachAttemptHandsTheShell) {
    const std::string byPath = "start C:\\G\\Skv.exe -debug -n Ossary in C:\\G\\ | ",
                      byName = "start Skv.exe -debug -n Ossary in the current folder | ";
    using S = ShellStart;
    // clang-format off
    const struct { std::vector<ShellStart> Answers; bool Started; std::string Log; } rows[] = {
        {{S::Started}, true, byPath}, {{S::Failed, S::Started}, true, byPath + byName},
        {{S::Failed, S::Failed}, false, byPath + byName + "failed | "}, {{S::Cancelled}, false, byPath},
        {{S::Failed, S::Cancelled}, false, byPath + byName},
    };
    // clang-format on
    for (const auto& row : rows) {
        ScriptedShell shell;
        shell.Answers = row.Answers;
        EXPECT_EQ(LaunchGame(shell, "C:\\G\\Skv.exe", "C:\\G\\", "-debug -n Ossary"), row.Started) << row.Log;
        EXPECT_EQ(shell.Log, row.Log);
    }
}

// The high word of an up-down reply whose edit box holds no number in range.
constexpr int32_t Error = 0x10000;
// The file in debug mode with the sky at 1, 2, 3 and every other value unread, so written as its default.
const std::string Unread =
    "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|SKY_RED 1|SKY_GREEN 2|SKY_BLUE 3|"
    "MOTIONTRACKERSPEED 1.00|LEANSCALE 1.00|TIMESCALE 1.00|WIREFRAMEMODE 0|DOPPLERSHIFT 0|";

// (The defaults, every flag and the range ends reach the file through the real dialog under Wine: Start's
// and MainDialog's tests.)
TEST(StartupConfig, WholeFileForEachCase) {
    // Settings: Debug, the eight bot flags, ShowFPS, ShowPolycount, WireFrame, VerboseText, Crouchmode,
    // Dopplershift, Extrapolation, AllWeapons, GodMode, AddLight; then as the controls read: the up-downs'
    // whole replies (error flag in the high word) for volume, speed, time and lean, the trackbars' red,
    // green and blue.
    // clang-format off
    const struct { const char* Case; LauncherSettings Settings; std::string Expected; } rows[] = {
        {"no debug: debug-only choices left out, odd values unread, volume 101 out of range",
         {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, -3, 1, 1, 1, 1, 1, 1, 101, 1601, 0, -1, 300, -4, 9}, "EXPV 1|"
         "CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 1.00|"},
        {"debug with values just below their ranges, no texture selected",
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, -1, -1, 0, -1, 1, 2, 3}, Unread},
        {"debug with values just above their ranges, texture 4",
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 101, 1601, 401, 1001, 1, 2, 3}, Unread},
        {"debug with every edit box holding no number",
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Error | 5, Error | 250, Error | 5,
          Error | 7, 1, 2, 3}, Unread},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(BuildStartupConfig(row.Settings), Lines(row.Expected)) << row.Case;
}

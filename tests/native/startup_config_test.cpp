#include "handoff/startup_config.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Controls as the dialog sets them up: up-downs at 100, trackbars at 50, 50, 60.
constexpr ControlPositions StartPositions{100, 100, 100, 100, 50, 50, 60};

constexpr int32_t ErrorReply(int32_t position) {
    return 0x00010000 | position;
}

LauncherSettings EveryFlag() {
    LauncherSettings settings;
    settings.Debug = settings.LoadBots = settings.LoadGrax = settings.LoadTolmen = settings.LoadVastor = 1;
    settings.LoadKolvane = settings.LoadHurgrax = settings.LoadHurok = settings.LoadZimmit = 1;
    settings.ShowFPS = settings.ShowPolycount = settings.VerboseText = settings.Crouchmode = 1;
    settings.Dopplershift = settings.Extrapolation = settings.AllWeapons = settings.GodMode = 1;
    settings.AddLight = 1;
    settings.WireFrame = 3;
    return settings;
}

LauncherSettings DebugOnly() {
    LauncherSettings settings;
    settings.Debug = 1;
    return settings;
}

// The line of the file that starts with the given command, without its CR LF; "" when absent.
std::string LineOf(const std::string& content, const std::string& command) {
    for (std::string::size_type at = 0; at < content.size();) {
        const std::string::size_type end = content.find("\r\n", at);
        const std::string line = content.substr(at, end - at);
        if (line.compare(0, command.size() + 1, command + " ") == 0)
            return line;
        if (end == std::string::npos)
            break;
        at = end + 2;
    }
    return "";
}

TEST(StartupConfig, WithoutDebugFourLinesWhateverTheDebugOnlySettings) {
    LauncherSettings settings = EveryFlag();
    settings.Debug = 0;
    settings.VerboseText = settings.Crouchmode = settings.Extrapolation = 0;
    const std::string content = BuildStartupConfig(settings, {100, 1600, 1, 0, 1, 2, 3});
    EXPECT_EQ(content, "EXPV 0\r\n"
                       "CROUCHMODE 0\r\n"
                       "EXTRAPOLATE_MOVEMENT 0\r\n"
                       "MOTIONTRACKERVOLUME 1.00\r\n");
    EXPECT_EQ(content.size(), 72u);
}

TEST(StartupConfig, DebugWithEveryFlagSeventeenLines) {
    const std::string content = BuildStartupConfig(EveryFlag(), {100, 1600, 1, 0, 50, 50, 60});
    EXPECT_EQ(content, "EXPV 1\r\n"
                       "CROUCHMODE 1\r\n"
                       "EXTRAPOLATE_MOVEMENT 1\r\n"
                       "MOTIONTRACKERVOLUME 1.00\r\n"
                       "SKY_RED 50\r\n"
                       "SKY_GREEN 50\r\n"
                       "SKY_BLUE 60\r\n"
                       "MOTIONTRACKERSPEED 16.00\r\n"
                       "LEANSCALE 0.00\r\n"
                       "TIMESCALE 0.01\r\n"
                       "WIREFRAMEMODE 3\r\n"
                       "SHOWFPS\r\n"
                       "SHOWPOLYCOUNT\r\n"
                       "DOPPLERSHIFT 1\r\n"
                       "GIVEALLWEAPONS\r\n"
                       "GOD\r\n"
                       "LIGHT\r\n");
}

TEST(StartupConfig, DebugWithEveryFlagClearTwelveLines) {
    const std::string content = BuildStartupConfig(DebugOnly(), StartPositions);
    EXPECT_EQ(content, "EXPV 0\r\n"
                       "CROUCHMODE 0\r\n"
                       "EXTRAPOLATE_MOVEMENT 0\r\n"
                       "MOTIONTRACKERVOLUME 1.00\r\n"
                       "SKY_RED 50\r\n"
                       "SKY_GREEN 50\r\n"
                       "SKY_BLUE 60\r\n"
                       "MOTIONTRACKERSPEED 1.00\r\n"
                       "LEANSCALE 1.00\r\n"
                       "TIMESCALE 1.00\r\n"
                       "WIREFRAMEMODE 0\r\n"
                       "DOPPLERSHIFT 0\r\n");
}

TEST(StartupConfig, EachOptionalLineFollowsItsOwnFlag) {
    const struct {
        int32_t LauncherSettings::*Flag;
        const char* Line;
    } rows[] = {
        {&LauncherSettings::ShowFPS, "SHOWFPS\r\n"},
        {&LauncherSettings::ShowPolycount, "SHOWPOLYCOUNT\r\n"},
        {&LauncherSettings::AllWeapons, "GIVEALLWEAPONS\r\n"},
        {&LauncherSettings::GodMode, "GOD\r\n"},
        {&LauncherSettings::AddLight, "LIGHT\r\n"},
    };
    const std::string base = BuildStartupConfig(DebugOnly(), StartPositions);
    for (const auto& row : rows) {
        LauncherSettings settings = DebugOnly();
        settings.*row.Flag = -3; // any nonzero value counts as set
        const std::string content = BuildStartupConfig(settings, StartPositions);
        EXPECT_EQ(content.size(), base.size() + std::string(row.Line).size()) << row.Line;
        EXPECT_NE(content.find(row.Line), std::string::npos) << row.Line;
    }
}

TEST(StartupConfig, FixedPointAndSanitisedValues) {
    const struct {
        const char* Case;
        ControlPositions Positions;
        int32_t WireFrame;
        const char* Command;
        const char* Expected;
    } rows[] = {
        {"volume 7", {7, 100, 100, 100, 50, 50, 60}, 0, "MOTIONTRACKERVOLUME", "MOTIONTRACKERVOLUME 0.07"},
        {"volume 0", {0, 100, 100, 100, 50, 50, 60}, 0, "MOTIONTRACKERVOLUME", "MOTIONTRACKERVOLUME 0.00"},
        {"volume 55", {55, 100, 100, 100, 50, 50, 60}, 0, "MOTIONTRACKERVOLUME", "MOTIONTRACKERVOLUME 0.55"},
        {"volume 101",
         {101, 100, 100, 100, 50, 50, 60},
         0,
         "MOTIONTRACKERVOLUME",
         "MOTIONTRACKERVOLUME 1.00"},
        {"volume -1", {-1, 100, 100, 100, 50, 50, 60}, 0, "MOTIONTRACKERVOLUME", "MOTIONTRACKERVOLUME 1.00"},
        {"volume error",
         {0x00010064, 100, 100, 100, 50, 50, 60},
         0,
         "MOTIONTRACKERVOLUME",
         "MOTIONTRACKERVOLUME 1.00"},
        {"volume error 5",
         {ErrorReply(5), 100, 100, 100, 50, 50, 60},
         0,
         "MOTIONTRACKERVOLUME",
         "MOTIONTRACKERVOLUME 1.00"},
        {"speed 1600",
         {100, 1600, 100, 100, 50, 50, 60},
         0,
         "MOTIONTRACKERSPEED",
         "MOTIONTRACKERSPEED 16.00"},
        {"speed 250", {100, 250, 100, 100, 50, 50, 60}, 0, "MOTIONTRACKERSPEED", "MOTIONTRACKERSPEED 2.50"},
        {"speed 5", {100, 5, 100, 100, 50, 50, 60}, 0, "MOTIONTRACKERSPEED", "MOTIONTRACKERSPEED 0.05"},
        {"speed 1601", {100, 1601, 100, 100, 50, 50, 60}, 0, "MOTIONTRACKERSPEED", "MOTIONTRACKERSPEED 1.00"},
        {"speed error",
         {100, ErrorReply(5), 100, 100, 50, 50, 60},
         0,
         "MOTIONTRACKERSPEED",
         "MOTIONTRACKERSPEED 1.00"},
        {"lean 1000", {100, 100, 100, 1000, 50, 50, 60}, 0, "LEANSCALE", "LEANSCALE 10.00"},
        {"lean 1001", {100, 100, 100, 1001, 50, 50, 60}, 0, "LEANSCALE", "LEANSCALE 1.00"},
        {"lean error", {100, 100, 100, ErrorReply(0), 50, 50, 60}, 0, "LEANSCALE", "LEANSCALE 1.00"},
        {"time 0", {100, 100, 0, 100, 50, 50, 60}, 0, "TIMESCALE", "TIMESCALE 1.00"},
        {"time 400", {100, 100, 400, 100, 50, 50, 60}, 0, "TIMESCALE", "TIMESCALE 4.00"},
        {"time 401", {100, 100, 401, 100, 50, 50, 60}, 0, "TIMESCALE", "TIMESCALE 1.00"},
        {"time error", {100, 100, 0x00010064, 100, 50, 50, 60}, 0, "TIMESCALE", "TIMESCALE 1.00"},
        {"time error 5", {100, 100, ErrorReply(5), 100, 50, 50, 60}, 0, "TIMESCALE", "TIMESCALE 1.00"},
        {"wire frame 2", StartPositions, 2, "WIREFRAMEMODE", "WIREFRAMEMODE 2"},
        {"wire frame none selected", StartPositions, -1, "WIREFRAMEMODE", "WIREFRAMEMODE 0"},
        {"wire frame 7", StartPositions, 7, "WIREFRAMEMODE", "WIREFRAMEMODE 0"},
        {"red unchecked", {100, 100, 100, 100, 300, 50, 60}, 0, "SKY_RED", "SKY_RED 300"},
        {"green unchecked", {100, 100, 100, 100, 50, -4, 60}, 0, "SKY_GREEN", "SKY_GREEN -4"},
        {"blue 255", {100, 100, 100, 100, 50, 50, 255}, 0, "SKY_BLUE", "SKY_BLUE 255"},
        {"blue 0", {100, 100, 100, 100, 50, 50, 0}, 0, "SKY_BLUE", "SKY_BLUE 0"},
    };
    for (const auto& row : rows) {
        LauncherSettings settings = DebugOnly();
        settings.WireFrame = row.WireFrame;
        EXPECT_EQ(LineOf(BuildStartupConfig(settings, row.Positions), row.Command), row.Expected) << row.Case;
    }
}

TEST(StartupConfig, EveryLineEndsInCarriageReturnLineFeed) {
    const std::string content = BuildStartupConfig(EveryFlag(), StartPositions);
    int lines = 0;
    for (std::string::size_type i = 0; i < content.size(); ++i) {
        if (content[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(content[i - 1], '\r');
            ++lines;
        }
        EXPECT_NE(content[i], '\0');
    }
    EXPECT_EQ(lines, 17);
    EXPECT_EQ(content.substr(content.size() - 2), "\r\n");
}

TEST(StartupConfig, FileName) {
    EXPECT_STREQ(StartupConfigName, "startup.cfg");
}

} // namespace

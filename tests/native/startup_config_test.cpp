#include "handoff/startup_config.h"

#include "tests/options.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The high word of an up-down reply whose edit box holds no number in range.
constexpr int32_t Error = 0x10000;
const std::string Plain = "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME ";
const std::string Debug =
    "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|SKY_RED 1|SKY_GREEN 2|"
    "SKY_BLUE 3|";

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

TEST(StartupConfig, WholeFileForEachCase) {
    const struct {
        LauncherSettings
            Settings;   // Debug, the eight bot flags, ShowFPS, ShowPolycount, WireFrame, VerboseText,
                        // Crouchmode, Dopplershift, Extrapolation, AllWeapons, GodMode, AddLight
        Positions Read; // volume, speed, time, lean, red, green, blue
        std::string Expected;
    } rows[] = {
        {{}, {100, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, -3, 1, 1, 1, 1, 1, 1},
         {100, 1601, 0, -1, 300, -4, 9},
         "EXPV 1|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 1.00|"},
        {{}, {7, 100, 100, 100, 50, 50, 60}, Plain + "0.07|"},
        {{}, {0, 100, 100, 100, 50, 50, 60}, Plain + "0.00|"},
        {{}, {99, 100, 100, 100, 50, 50, 60}, Plain + "0.99|"},
        {{}, {101, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {{}, {-1, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {{}, {Error | 5, 100, 100, 100, 50, 50, 60}, Plain + "1.00|"},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 1},
         {100, 1600, 1, 0, 50, 50, 60},
         "EXPV 1|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 1.00|SKY_RED 50|SKY_GREEN 50|"
         "SKY_BLUE 60|MOTIONTRACKERSPEED 16.00|LEANSCALE 0.00|TIMESCALE 0.01|WIREFRAMEMODE 3|SHOWFPS|"
         "SHOWPOLYCOUNT|DOPPLERSHIFT 1|GIVEALLWEAPONS|GOD|LIGHT|"},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 1, 0, 1, 0},
         {100, 0, 400, 1000, 0, 255, 7},
         "EXPV 1|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 1.00|SKY_RED 0|SKY_GREEN 255|"
         "SKY_BLUE 7|MOTIONTRACKERSPEED 0.00|LEANSCALE 10.00|TIMESCALE 4.00|WIREFRAMEMODE 1|SHOWFPS|"
         "DOPPLERSHIFT 0|GOD|"},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 1, 1, 0, 1, 0, 1},
         {100, 250, 5, 999, 1, 2, 3},
         "EXPV 0|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|SKY_RED 1|SKY_GREEN 2|"
         "SKY_BLUE 3|MOTIONTRACKERSPEED 2.50|LEANSCALE 9.99|TIMESCALE 0.05|WIREFRAMEMODE 2|SHOWPOLYCOUNT|"
         "DOPPLERSHIFT 1|GIVEALLWEAPONS|LIGHT|"},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1},
         {100, -1, 0, -1, 1, 2, 3},
         Debug + "MOTIONTRACKERSPEED 1.00|LEANSCALE 1.00|TIMESCALE 1.00|WIREFRAMEMODE 0|DOPPLERSHIFT 0|"},
        {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4},
         {100, 1601, 401, 1001, 1, 2, 3},
         Debug + "MOTIONTRACKERSPEED 1.00|LEANSCALE 1.00|TIMESCALE 1.00|WIREFRAMEMODE 0|DOPPLERSHIFT 0|"},
        {{1},
         {Error, Error | 250, Error | 5, Error | 7, 1, 2, 3},
         Debug + "MOTIONTRACKERSPEED 1.00|LEANSCALE 1.00|TIMESCALE 1.00|WIREFRAMEMODE 0|DOPPLERSHIFT 0|"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildStartupConfig(With(row.Settings, row.Read)), Lines(row.Expected));
}

} // namespace

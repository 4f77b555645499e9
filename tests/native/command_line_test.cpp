#include "handoff/command_line.h"

#include "levels/level_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LauncherSettings AllSpecies(LauncherSettings settings) {
    settings.LoadGrax = settings.LoadTolmen = settings.LoadVastor = settings.LoadHurok =
        settings.LoadHurgrax = settings.LoadKolvane = settings.LoadZimmit = 1;
    return settings;
}

LauncherSettings With(int32_t debug, int32_t loadBots) {
    LauncherSettings settings;
    settings.Debug = debug;
    settings.LoadBots = loadBots;
    return settings;
}

constexpr uint32_t Ossary = 32771, Velmaro = 32773, CoopCulvara = 32808;

TEST(BuildCommandLine, TypicalInputs) {
    LauncherSettings zimmitAndGrax = With(1, 1);
    zimmitAndGrax.LoadZimmit = zimmitAndGrax.LoadGrax = 1;

    const struct {
        const char* Case;
        LauncherSettings Settings;
        uint32_t Level;
        const char* Expected;
    } rows[] = {
        {"nothing", With(0, 0), NoLevelCommand, ""},
        {"level only", With(0, 0), Ossary, "-n Ossary"},
        {"debug", With(1, 0), NoLevelCommand, "-debug"},
        {"debug and a renamed level", With(1, 0), Velmaro, "-debug -n Quent03"},
        {"bots without species", With(1, 1), NoLevelCommand, "-debug -l"},
        {"bots without species, coop level", With(1, 1), CoopCulvara, "-debug -l -n Orv-dm-coop"},
        {"every species", AllSpecies(With(1, 1)), NoLevelCommand, "-debug -lacmprtx"},
        {"zimmit and grax", zimmitAndGrax, NoLevelCommand, "-debug -lax"},
        {"species left over, bots off", AllSpecies(With(1, 0)), NoLevelCommand, "-debug"},
        {"bots and species without debug", AllSpecies(With(0, 1)), Ossary, "-n Ossary"},
        {"nonzero flags count as set", AllSpecies(With(7, -1)), 32812, "-debug -lacmprtx -n Snarewood"},
        {"command outside the table", With(1, 0), 32814, "-debug"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildCommandLine(row.Settings, row.Level), row.Expected) << row.Case;
}

TEST(BuildCommandLine, EachSpeciesHasItsOwnLetter) {
    const struct {
        int32_t LauncherSettings::*Flag;
        const char* Expected;
    } rows[] = {
        {&LauncherSettings::LoadGrax, "-debug -la"},    {&LauncherSettings::LoadTolmen, "-debug -lc"},
        {&LauncherSettings::LoadVastor, "-debug -lm"},  {&LauncherSettings::LoadHurok, "-debug -lp"},
        {&LauncherSettings::LoadHurgrax, "-debug -lr"}, {&LauncherSettings::LoadKolvane, "-debug -lt"},
        {&LauncherSettings::LoadZimmit, "-debug -lx"},
    };
    for (const auto& row : rows) {
        LauncherSettings settings = With(1, 1);
        settings.*row.Flag = 1;
        EXPECT_EQ(BuildCommandLine(settings, NoLevelCommand), row.Expected);
    }
}

TEST(BuildCommandLine, NoLevelAfterALevelDropsTheLevelSwitch) {
    uint32_t levelCommand = Velmaro;
    const LauncherSettings settings = With(1, 0);
    EXPECT_EQ(BuildCommandLine(settings, levelCommand), "-debug -n Quent03");
    levelCommand = NoLevelCommand;
    EXPECT_EQ(BuildCommandLine(settings, levelCommand), "-debug");
}

} // namespace

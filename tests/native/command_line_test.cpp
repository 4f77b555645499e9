#include "handoff/command_line.h"

#include "levels/level_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t Ossary = 32771, Velmaro = 32773, CoopCulvara = 32808, Snarewood = 32812;

TEST(BuildCommandLine, TypicalInputs) {
    const struct {
        const char* Case;
        LauncherSettings
            Settings; // Debug, LoadBots, then Grax, Tolmen, Vastor, Kolvane, Hurgrax, Hurok, Zimmit
        uint32_t Level;
        const char* Expected;
    } rows[] = {
        {"nothing", {}, NoLevelCommand, ""},
        {"level only", {}, Ossary, "-n Ossary"},
        {"debug", {1}, NoLevelCommand, "-debug"},
        {"debug and a renamed level", {1}, Velmaro, "-debug -n Quent03"},
        {"bots without species", {1, 1}, NoLevelCommand, "-debug -l"},
        {"bots without species, coop level", {1, 1}, CoopCulvara, "-debug -l -n Orv-dm-coop"},
        {"every species", {1, 1, 1, 1, 1, 1, 1, 1, 1}, NoLevelCommand, "-debug -lacmprtx"},
        {"zimmit and grax", {1, 1, 1, 0, 0, 0, 0, 0, 1}, NoLevelCommand, "-debug -lax"},
        {"grax", {1, 1, 1}, NoLevelCommand, "-debug -la"},
        {"tolmen", {1, 1, 0, 1}, NoLevelCommand, "-debug -lc"},
        {"vastor", {1, 1, 0, 0, 1}, NoLevelCommand, "-debug -lm"},
        {"kolvane", {1, 1, 0, 0, 0, 1}, NoLevelCommand, "-debug -lt"},
        {"hurgrax", {1, 1, 0, 0, 0, 0, 1}, NoLevelCommand, "-debug -lr"},
        {"hurok", {1, 1, 0, 0, 0, 0, 0, 1}, NoLevelCommand, "-debug -lp"},
        {"species left over, bots off", {1, 0, 1, 1, 1, 1, 1, 1, 1}, NoLevelCommand, "-debug"},
        {"bots and species without debug", {0, 1, 1, 1, 1, 1, 1, 1, 1}, Ossary, "-n Ossary"},
        {"nonzero flags count as set",
         {7, -1, 2, 2, 2, 2, 2, 2, 2},
         Snarewood,
         "-debug -lacmprtx -n Snarewood"},
        {"command outside the table", {1}, 32814, "-debug"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildCommandLine(row.Settings, row.Level), row.Expected) << row.Case;
}

} // namespace

#include "handoff/command_line.h"

#include "levels/level_table.h"

namespace {

// Bot letters in the order of the species check boxes on the dialog, top to bottom.
struct BotLetter {
    char Letter;
    int32_t LauncherSettings::*Flag;
};

const BotLetter BotLetters[] = {
    {'a', &LauncherSettings::LoadGrax},    {'c', &LauncherSettings::LoadTolmen},
    {'m', &LauncherSettings::LoadVastor},  {'p', &LauncherSettings::LoadHurok},
    {'r', &LauncherSettings::LoadHurgrax}, {'t', &LauncherSettings::LoadKolvane},
    {'x', &LauncherSettings::LoadZimmit},
};

} // namespace

std::string BuildCommandLine(const LauncherSettings& settings, uint32_t levelCommand) {
    std::string line;
    if (settings.Debug != 0) {
        line = "-debug";
        // Bots are pre-loaded only in debug mode; without species the switch stands alone.
        if (settings.LoadBots != 0) {
            line += " -l";
            for (const BotLetter& bot : BotLetters)
                if (settings.*bot.Flag != 0)
                    line += bot.Letter;
        }
    }
    if (const char* level = LevelIdentifier(levelCommand)) {
        line += line.empty() ? "-n " : " -n ";
        line += level;
    }
    return line;
}
